// Every caption of every shipped language module, measured where it is
// drawn: in each window, a button, label, check box, frame title or menu
// title whose text is wider than its control shows the reader half a word.
#include "app/Forms.h"
#include "ui/bookmarks/frmBMarks.h"
#include "ui/language/frmLang.h"
#include "ui/output/Dialog.h"
#include "ui/reader/OpenBook.h"
#include "ui/search/frmFind.h"
#include "ui/settings/font1.h"
#include "support/TestProgram.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QStyle>
#include <QTest>

namespace {

QSize textSize(const QWidget *control, const QString &text)
{
    return QFontMetrics(control->font()).size(Qt::TextShowMnemonic, text);
}

// What the control needs for its caption, or an empty size for a control
// without one. A push button's size hint is no honest measure: the style
// widens every button with text to 80 pixels, so its text is measured
// with the style's own margins around it.
QSize needed(const QWidget *control)
{
    if (auto *b = qobject_cast<const QPushButton *>(control)) {
        if (b->text().isEmpty())
            return {};
        const QStyle *style = b->style();
        const int around = style->pixelMetric(QStyle::PM_ButtonMargin, nullptr, b) +
                           2 * style->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, b);
        return textSize(b, b->text()) + QSize(around, 0);
    }
    if (auto *c = qobject_cast<const QCheckBox *>(control))
        return c->text().isEmpty() ? QSize() : QSize(c->sizeHint().width(), textSize(c, c->text()).height());
    if (auto *l = qobject_cast<const QLabel *>(control)) {
        if (l->text().isEmpty() || !l->pixmap().isNull())
            return {};
        // A label that wraps needs the height of its lines at its width.
        return l->wordWrap() ? QSize(1, l->heightForWidth(l->width())) : l->sizeHint();
    }
    if (auto *g = qobject_cast<const QGroupBox *>(control))
        return g->title().isEmpty() ? QSize() : QSize(g->minimumSizeHint().width(), 1);
    return {};
}

} // namespace

class TestCaptionsFit : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void everyCaptionFitsItsControl_data()
    {
        QTest::addColumn<QString>("module");
        QTest::addColumn<QString>("window");
        const QDir shipped(qEnvironmentVariable("KV_SOURCE_DIR") + QStringLiteral("/content/language"));
        const QStringList modules = shipped.entryList({QStringLiteral("*.lng")}, QDir::Files);
        QCOMPARE(modules.size(), 7);
        for (const QString &module : modules)
            for (const char *window : {"OpenBook", "font1", "frmFind", "frmBMarks", "frmLang", "Dialog"})
                QTest::addRow("%s %s", qPrintable(module), window) << module << QString::fromLatin1(window);
    }
    void everyCaptionFitsItsControl()
    {
        QFETCH(QString, module);
        QFETCH(QString, window);
        // The module as the program takes it at start: named in program.ini,
        // applied by the reading window's load to it and every dialog.
        TestProgram program;
        program.write(QStringLiteral("program.ini"),
                      "[Interface]\r\nlanguage=" +
                          program.path(QStringLiteral("language/") + module).toUtf8() + "\r\n");
        Forms &forms = *program.forms;
        OpenBook *book = forms.openBook();
        QCOMPARE(program.os->fakePrompts.messages.size(), 0);
        const QHash<QString, QWidget *> windows{
            {QStringLiteral("OpenBook"), book},           {QStringLiteral("font1"), forms.font1()},
            {QStringLiteral("frmFind"), forms.frmFind()}, {QStringLiteral("frmBMarks"), forms.frmBMarks()},
            {QStringLiteral("frmLang"), forms.frmLang()}, {QStringLiteral("Dialog"), forms.Dialog()}};
        QWidget *w = windows.value(window);
        QVERIFY(w);
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w));

        // The pages carry the book's own text, laid out by the book.
        const QStringList pages{QStringLiteral("zleft"), QStringLiteral("zright"), QStringLiteral("txtleft"),
                                QStringLiteral("txtright")};
        QStringList cut;
        int measured = 0;
        for (QWidget *control : w->findChildren<QWidget *>()) {
            const QSize need = needed(control);
            // A working label laid out past the window's edge is never seen.
            if (need.isEmpty() || !control->isVisibleTo(w) || pages.contains(control->objectName()))
                continue;
            const QRect onWindow(control->mapTo(w, QPoint(0, 0)), control->size());
            if (!w->rect().intersects(onWindow))
                continue;
            ++measured;
            if (need.width() > control->width() || need.height() > control->height() ||
                !w->rect().contains(onWindow))
                cut << QStringLiteral("%1 \"%2\": needs %3x%4, has %5x%6 at %7,%8")
                           .arg(control->objectName(), control->property("text").toString())
                           .arg(need.width())
                           .arg(need.height())
                           .arg(control->width())
                           .arg(control->height())
                           .arg(onWindow.x())
                           .arg(onWindow.y());
        }
        // The menu bar's titles: each as wide as its text, none pushed off
        // the bar into the overflow button.
        if (auto *bar = w->findChild<QMenuBar *>()) {
            for (QAction *a : bar->actions()) {
                const QRect at = bar->actionGeometry(a);
                ++measured;
                if (at.width() < textSize(bar, a->text()).width() || !bar->rect().contains(at))
                    cut << QStringLiteral("menu \"%1\": needs %2, has %3 at %4")
                               .arg(a->text())
                               .arg(textSize(bar, a->text()).width())
                               .arg(at.width())
                               .arg(at.x());
            }
        }
        QVERIFY2(measured >= 2, qPrintable(QString::number(measured)));
        QVERIFY2(cut.isEmpty(), qPrintable(cut.join(QStringLiteral("\n    "))));
    }
};

QTEST_MAIN(TestCaptionsFit)
#include "tst_captionsfit.moc"
