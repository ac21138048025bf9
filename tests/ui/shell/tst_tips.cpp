// The balloon tips of the cover, the language chooser and the search: when
// they show and go, how they look, where they stand near the screen's
// edges, and that destroying them all leaves later windows their tips.
#include "ui/splash/Splash.h"
#include "ui/language/frmLang.h"
#include "ui/common/ClickLabel.h"
#include "ui/search/frmFind.h"
#include "ui/shell/Tips.h"
#include "support/TestProgram.h"

#include <QElapsedTimer>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

namespace {

QList<BalloonTip *> liveTips()
{
    QList<BalloonTip *> tips;
    for (QWidget *w : QApplication::topLevelWidgets())
        if (auto *tip = qobject_cast<BalloonTip *>(w))
            tips << tip;
    return tips;
}

BalloonTip *tipOn(const QWidget *control)
{
    for (BalloonTip *tip : liveTips())
        if (tip->control() == control)
            return tip;
    return nullptr;
}

// Pixels of exactly that colour in the tip as it is drawn.
int pixelsOf(BalloonTip *tip, QColor colour)
{
    const QImage image = tip->grab().toImage();
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            n += image.pixelColor(x, y) == colour;
    return n;
}

} // namespace

class TestTips : public QObject
{
    Q_OBJECT

    std::unique_ptr<TestProgram> program;

    frmFind *shownSearch()
    {
        frmFind *f = program->forms->frmFind();
        f->show();
        f->activateWindow();
        if (!QTest::qWaitForWindowExposed(f))
            qFatal("the search window never showed");
        return f;
    }
    static QPoint onResults(frmFind *f) { return f->lstFound->viewport()->rect().center(); }

private Q_SLOTS:
    void init() { program = std::make_unique<TestProgram>(); }
    void cleanup() { program.reset(); }

    void restingOnTheResultsShowsTheBalloonForTwoSeconds()
    {
        frmFind *f = shownSearch();
        QWidget *focused = QApplication::focusWidget();
        BalloonTip *tip = tipOn(f->lstFound);
        QVERIFY(tip);
        QCOMPARE(tip->parentWidget(), f);

        QTest::mouseMove(f->lstFound->viewport(), onResults(f));
        QElapsedTimer rest;
        rest.start();
        QVERIFY(!tip->isVisible());
        QVERIFY(QTest::qWaitFor([tip] { return tip->isVisible(); }, 3000));
        QVERIFY2(rest.elapsed() >= 450, qPrintable(QString::number(rest.elapsed())));

        QCOMPARE(tip->shownLines(), (QStringList{QStringLiteral("Арвий Квиллборн"),
                                                 QStringLiteral("Введите слово или фразу для поиска,"),
                                                 QStringLiteral("и нажмите <Найти>...")}));
        QCOMPARE(f->lstFound->accessibleDescription(), tip->shownLines().join(u'\n'));
        // White on dark blue, and plenty of both.
        QVERIFY(pixelsOf(tip, QColor(0, 0, 128)) > tip->width() * tip->height() / 2);
        QVERIFY(pixelsOf(tip, Qt::white) > 50);
        // Its stem points at the pointer, and it took nothing from the window.
        QCOMPARE(tip->mapToGlobal(tip->placement().stemTip), QCursor::pos());
        QVERIFY(!tip->isActiveWindow());
        QCOMPARE(QApplication::focusWidget(), focused);

        QElapsedTimer shown;
        shown.start();
        QVERIFY(QTest::qWaitFor([tip] { return !tip->isVisible(); }, 5000));
        QVERIFY2(shown.elapsed() >= 1800, qPrintable(QString::number(shown.elapsed())));
        // It stays away while the pointer stays.
        QTest::mouseMove(f->lstFound->viewport(), onResults(f) + QPoint(5, 0));
        QTest::qWait(700);
        QVERIFY(!tip->isVisible());
    }

    void leavingTheControlHidesTheTipAtOnce()
    {
        frmFind *f = shownSearch();
        BalloonTip *tip = tipOn(f->lstFound);
        QTest::mouseMove(f->lstFound->viewport(), onResults(f));
        QVERIFY(QTest::qWaitFor([tip] { return tip->isVisible(); }, 3000));
        QTest::mouseMove(f->txtFind);
        QVERIFY(!tip->isVisible());
        // Back again, it shows again.
        QTest::mouseMove(f->lstFound->viewport(), onResults(f));
        QVERIFY(QTest::qWaitFor([tip] { return tip->isVisible(); }, 3000));
    }

    void linesBreakAtCrLfAndWrapAtFourHundredPixels()
    {
        QWidget owner;
        QWidget control(&owner);
        BalloonTip *tip = CreateTipWindow(&owner, true);
        const QFontMetrics metrics(tip->font());
        QString longLine;
        while (metrics.horizontalAdvance(longLine) < 600)
            longLine += QStringLiteral("слово ");
        AddTip(tip, &control, QStringLiteral("первая\r\n\r\n") + longLine.trimmed(), BookTipLook);

        const QStringList lines = tip->shownLines();
        QVERIFY2(lines.size() >= 4, qPrintable(lines.join(u'|')));
        QCOMPARE(lines[0], QStringLiteral("первая"));
        QCOMPARE(lines[1], QString()); // an empty line stays
        for (const QString &line : lines)
            QVERIFY2(metrics.horizontalAdvance(line) <= 400, qPrintable(line));
        QCOMPARE(lines.mid(2).join(u' '), longLine.trimmed());
    }

    void balloonStaysOnScreenAndPointsAtTheTarget_data()
    {
        QTest::addColumn<QPoint>("target");
        QTest::addColumn<bool>("centred");
        QTest::addColumn<bool>("below");
        QTest::newRow("middle") << QPoint(640, 450) << false << false;
        QTest::newRow("top edge") << QPoint(640, 10) << false << true;
        QTest::newRow("right edge") << QPoint(1279, 450) << false << false;
        QTest::newRow("left edge") << QPoint(0, 450) << false << false;
        QTest::newRow("bottom right corner") << QPoint(1279, 899) << false << false;
        QTest::newRow("top left corner") << QPoint(0, 0) << false << true;
        QTest::newRow("centred") << QPoint(640, 450) << true << true;
        QTest::newRow("centred at the bottom") << QPoint(640, 890) << true << false;
    }
    void balloonStaysOnScreenAndPointsAtTheTarget()
    {
        QFETCH(QPoint, target);
        QFETCH(bool, centred);
        QFETCH(bool, below);
        const QRect screen(0, 0, 1280, 900);
        const QSize body(300, 60);
        const BalloonPlacement p = placeBalloon(target, body, screen, centred);
        QVERIFY2(screen.contains(p.window), qPrintable(QStringLiteral("%1,%2 %3x%4")
                                                           .arg(p.window.x())
                                                           .arg(p.window.y())
                                                           .arg(p.window.width())
                                                           .arg(p.window.height())));
        QCOMPARE(p.window.topLeft() + p.stemTip, target);
        QCOMPARE(p.stemUp, below);
        QCOMPARE(p.body.size(), body);
        // The stem joins the body on the side that faces the target.
        QCOMPARE(p.stemUp ? p.body.top() : p.body.bottom() + 1, p.stemUp ? BalloonTip::StemHeight : 60);
    }

    void closingTheChooserTakesEveryTipAndLaterWindowsGetNewOnes()
    {
        book *cover = program->forms->splash();
        frmLang *chooser = program->forms->frmLang();
        frmFind *search = program->forms->frmFind();
        QVERIFY(tipOn(cover->Pic) && tipOn(chooser->lfff) && tipOn(search->lstFound));
        QCOMPARE(liveTips().size(), 3);

        chooser->show();
        chooser->cmdCancel->click();
        QVERIFY(!TestProgram::loaded("frmLang"));
        QVERIFY(liveTips().isEmpty());
        QVERIFY(search->lstFound->accessibleDescription().isEmpty());

        // The search window stayed loaded; opening it brings its tip back,
        // and the tip works.
        search = shownSearch();
        QVERIFY(tipOn(search->lstFound));
        QTest::mouseMove(search->lstFound->viewport(), onResults(search));
        QVERIFY(QTest::qWaitFor([search] { return tipOn(search->lstFound)->isVisible(); }, 3000));
        // A chooser loaded afresh has its own again.
        QVERIFY(tipOn(program->forms->frmLang()->lfff));
        QCOMPARE(liveTips().size(), 2);
    }

    void destroyingTwiceDoesNoHarm()
    {
        frmFind *search = shownSearch();
        QTest::mouseMove(search->lstFound->viewport(), onResults(search));
        DestroyTipWindows();
        DestroyTipWindows();
        QVERIFY(liveTips().isEmpty());
        // A move that would have woken the destroyed tip finds nothing.
        QTest::mouseMove(search->lstFound->viewport(), onResults(search) + QPoint(3, 3));
        QTest::qWait(600);
        QVERIFY(liveTips().isEmpty());
        // A tip goes with its owner, too.
        auto *owner = new QWidget;
        AddTip(CreateTipWindow(owner, true), owner, QStringLiteral("x"), BookTipLook);
        QCOMPARE(liveTips().size(), 1);
        delete owner;
        QVERIFY(liveTips().isEmpty());
    }

    void openingTheBookTakesTheCoversTip()
    {
        book *cover = program->forms->splash();
        cover->show();
        QVERIFY(tipOn(cover->Pic));
        QCOMPARE(cover->Pic->accessibleDescription().split(u'\n').first(),
                 QStringLiteral("Арвий Квиллборн - Избранное"));
        QTest::mouseClick(cover->Pic, Qt::LeftButton);
        QVERIFY(!TestProgram::loaded("book"));
        // What is left are the tips of the dialogs the book's load made.
        for (BalloonTip *tip : liveTips())
            QVERIFY(tip->parentWidget()->objectName() != QLatin1String("book"));
    }
};

QTEST_MAIN(TestTips)
#include "tst_tips.moc"
