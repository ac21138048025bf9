// The right-click menu as a reader meets it: where it opens, what it
// offers in which language, the turned title bar down its edge, and what
// each command does.
#include "ui/language/frmLang.h"
#include "ui/common/ClickLabel.h"
#include "ui/reader/OpenBook.h"
#include "ui/settings/font1.h"
#include "ui/shell/ContextMenu.h"
#include "ui/common/MainWindowProc.h"
#include "support/TestProgram.h"

#include <QActionGroup>
#include <QApplication>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <functional>

namespace {

// A module whose every caption key n reads "<tag> n"; `drop` left out.
QByteArray module(const QString &tag, QList<int> drop = {})
{
    QString text = QStringLiteral("[general]\r\nlang=%1\r\nAuthors=A. B.\r\n[Language1]\r\n").arg(tag);
    for (int key = 1; key <= 58; ++key)
        if (!drop.contains(key))
            text += QStringLiteral("L%1=%2 %1\r\n").arg(key).arg(tag);
    return text.toUtf8();
}

// Acts on the next modal window once it is up, whatever events come
// first: the reader answers a dialog only when it is on screen.
void onNextModal(QObject *context, std::function<void(QWidget *)> act)
{
    auto *poll = new QTimer(context);
    QObject::connect(poll, &QTimer::timeout, context, [poll, act] {
        if (QWidget *modal = QApplication::activeModalWidget()) {
            poll->stop();
            poll->deleteLater();
            act(modal);
        }
    });
    poll->start(10);
}

} // namespace

class TestContextMenu : public QObject
{
    Q_OBJECT

    std::unique_ptr<TestProgram> program;
    OpenBook *w = nullptr;

    void startWith(const QByteArray &moduleText)
    {
        program->write(QStringLiteral("language/x.lng"), moduleText);
        program->write(QStringLiteral("program.ini"),
                       "[Interface]\r\nlanguage=" + program->path(QStringLiteral("language/x.lng")).toUtf8() +
                           "\r\n");
        program->restart();
        w = program->forms->openBook();
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w));
    }
    ContextMenu *menu() const { return w->findChild<ContextMenu *>(); }
    QAction *action(int id) const
    {
        for (QMenu *m : {static_cast<QMenu *>(menu()), menu()->languageMenu()})
            for (QAction *a : m->actions())
                if (a->data().toInt() == id)
                    return a;
        return nullptr;
    }
    // Shows the menu as a right-click would, then clicks `id` where it is
    // drawn, through the language submenu where it lives there: the click
    // goes through the menu's own event handling, where the command runs.
    void choose(int id)
    {
        QTest::mousePress(w, Qt::RightButton, {}, QPoint(300, 200));
        QVERIFY(QTest::qWaitFor([this] { return menu()->isVisible(); }, 2000));
        QMenu *in = menu();
        QAction *item = action(id);
        if (!in->actions().contains(item)) {
            QAction *sub = menu()->languageMenu()->menuAction();
            QTest::mouseClick(in, Qt::LeftButton, {}, in->actionGeometry(sub).center());
            in = menu()->languageMenu();
            QVERIFY(QTest::qWaitFor([in] { return in->isVisible(); }, 2000));
        }
        QTest::mouseClick(in, Qt::LeftButton, {}, in->actionGeometry(item).center());
    }

private Q_SLOTS:
    void init()
    {
        program = std::make_unique<TestProgram>();
        program->write(QStringLiteral("language/eng.lng"), module(QStringLiteral("ENG")));
    }
    void cleanup()
    {
        w = nullptr;
        program.reset();
    }

    void rightPressOnTheBookOpensTheMenu_data()
    {
        QTest::addColumn<QString>("where");
        for (const char *name : {"OpenBook", "Picture1", "txtleft", "txtright", "zleft", "zright"})
            QTest::newRow(name) << QString::fromLatin1(name);
    }
    void rightPressOnTheBookOpensTheMenu()
    {
        QFETCH(QString, where);
        startWith(module(QStringLiteral("X")));
        QWidget *target = where == QLatin1String("OpenBook") ? w : w->findChild<QWidget *>(where);
        QVERIFY(target);
        const QPoint at = target->rect().center();
        QTest::mouseClick(target, Qt::LeftButton, {}, at);
        QVERIFY(!menu()->isVisible());
        QTest::mousePress(target, Qt::RightButton, {}, at);
        QVERIFY(QTest::qWaitFor([this] { return menu()->isVisible(); }, 2000));
        // At the pointer.
        QCOMPARE(menu()->pos(), target->mapToGlobal(at));
        menu()->hide();
    }

    void keyboardOpensItOverThePages()
    {
        startWith(module(QStringLiteral("X")));
        w->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w));
        QTest::keyClick(w, Qt::Key_F10, Qt::ShiftModifier);
        QVERIFY(QTest::qWaitFor([this] { return menu()->isVisible(); }, 2000));
        menu()->hide();
        QTest::keyClick(w, Qt::Key_Menu);
        QVERIFY(QTest::qWaitFor([this] { return menu()->isVisible(); }, 2000));
        QVERIFY(w->geometry().contains(menu()->pos()));
        menu()->hide();
    }

    void layoutAndCaptions()
    {
        startWith(module(QStringLiteral("X")));
        QStringList shape;
        for (QAction *a : menu()->actions()) {
            if (a->menu())
                shape << QStringLiteral("submenu ") + a->text();
            else if (a->isSeparator())
                shape << QStringLiteral("-");
            else
                shape << QStringLiteral("%1 %2").arg(a->data().toInt()).arg(a->text());
        }
        QCOMPARE(shape, (QStringList{"1000 ", "submenu X 18", "1200 X 3", "-", "1300 X 8", "1400 X 5",
                                     "1500 X 6", "-", "2000 X 11"}));
        const QList<QAction *> sub = menu()->languageMenu()->actions();
        QCOMPARE(sub.size(), 2);
        QCOMPARE(sub[0]->data().toInt(), 1101);
        QCOMPARE(sub[0]->text(), QStringLiteral("X 48"));
        // Checked with a round bullet: an exclusive group's check is a radio.
        QVERIFY(sub[0]->isChecked());
        QVERIFY(sub[0]->actionGroup() && sub[0]->actionGroup()->isExclusive());
        QCOMPARE(sub[1]->data().toInt(), 1102);
        QCOMPARE(sub[1]->text(), QStringLiteral("X 49"));
        QVERIFY(!sub[1]->isCheckable());
    }

    void withoutL18TheWholeMenuSpeaksEnglish()
    {
        // The module has every other key, and the windows use it.
        startWith(module(QStringLiteral("X"), {18}));
        QCOMPARE(action(1200)->text(), QStringLiteral("ENG 3"));
        QCOMPARE(action(2000)->text(), QStringLiteral("ENG 11"));
        QCOMPARE(action(1101)->text(), QStringLiteral("ENG 48"));
        QCOMPARE(part<QAction>(w, "ogl")->text(), QStringLiteral("X 3"));
    }

    // The way most readers change the language: the chooser opened from
    // the menu's submenu applies a module from inside that submenu's click.
    // Under memcheck this path once wrote into the freed menu.
    void anotherLanguageShowsAtTheNextRightClick()
    {
        program->write(QStringLiteral("language/rus.lng"), module(QStringLiteral("RUS")));
        startWith(module(QStringLiteral("X")));
        bool applied = false;
        onNextModal(this, [&applied](QWidget *modal) {
            auto *chooser = qobject_cast<frmLang *>(modal);
            if (!chooser)
                return;
            const int row = chooser->lff.indexOf(QStringLiteral("rus.lng"));
            QListWidgetItem *item = chooser->lfff->item(row);
            QTest::mouseClick(chooser->lfff->viewport(), Qt::LeftButton, {},
                              chooser->lfff->visualItemRect(item).center());
            QTest::mouseClick(chooser->cmdApply, Qt::LeftButton);
            applied = true;
            QTest::mouseClick(chooser->cmdCancel, Qt::LeftButton);
        });
        choose(ContextMenu::LanguageChooser);
        QVERIFY(applied);
        QCOMPARE(action(1200)->text(), QStringLiteral("RUS 3"));
        QCOMPARE(menu()->languageMenu()->title(), QStringLiteral("RUS 18"));
        QCOMPARE(part<QAction>(w, "ogl")->text(), QStringLiteral("RUS 3"));
    }

    void sideBarIsTheTitleTurned()
    {
        startWith(module(QStringLiteral("X")));
        menu()->ShowContextMenu(w->mapToGlobal(QPoint(10, 10)));
        QVERIFY(QTest::qWaitFor([this] { return menu()->isVisible(); }, 2000));
        // As tall as the second column's text items and separators.
        int column = 0;
        for (QAction *a : menu()->actions())
            if (a->isVisible() && a->data().toInt() != 2000)
                column += menu()->actionGeometry(a).height();
        column += menu()->actionGeometry(action(2000)).height();
        QCOMPARE(menu()->MeasureMenuSideBar(), column);

        const QImage one = menu()->DrawMenuSideBar(1).toImage();
        QCOMPARE(one.size(), QSize(ContextMenu::BarWidth, column));
        const QImage sharp = menu()->DrawMenuSideBar(2).toImage();
        QCOMPARE(sharp.size(), QSize(2 * ContextMenu::BarWidth, 2 * column));
        QCOMPARE(sharp.devicePixelRatio(), 2.0);
        // The title reads upwards from the bottom: text pixels near the
        // bottom, the plain bar colour at the top.
        auto ink = [](const QImage &img, int fromRow, int toRow) {
            QSet<QRgb> colours;
            for (int y = fromRow; y < toRow; ++y)
                for (int x = 0; x < img.width(); ++x)
                    colours.insert(img.pixel(x, y));
            return colours.size();
        };
        QVERIFY(ink(one, column - 60, column) > ink(one, 0, 10));
        w->setWindowTitle(QStringLiteral("Другое название"));
        QVERIFY(menu()->DrawMenuSideBar(1).toImage() != one);
        menu()->hide();
    }

    void clickOnTheBarChoosesNothing()
    {
        startWith(module(QStringLiteral("X")));
        QSignalSpy chosen(menu(), &ContextMenu::commandChosen);
        menu()->ShowContextMenu(w->mapToGlobal(QPoint(10, 10)));
        QVERIFY(QTest::qWaitFor([this] { return menu()->isVisible(); }, 2000));
        const QPoint onBar(menu()->actionGeometry(action(1200)).left() - ContextMenu::BarWidth / 2 - 3,
                           menu()->actionGeometry(action(1200)).center().y());
        QTest::mouseMove(menu(), onBar);
        QCOMPARE(menu()->activeAction(), nullptr); // nothing lights up
        // The right button that opened the menu comes up over the bar,
        // right at the pointer: the menu stays.
        QTest::mouseRelease(menu(), Qt::RightButton, {}, onBar);
        QVERIFY(menu()->isVisible());
        QTest::mouseClick(menu(), Qt::LeftButton, {}, onBar);
        QVERIFY(!menu()->isVisible());
        QCOMPARE(chosen.count(), 0);
    }

    void informationBoxEveryTime()
    {
        startWith(module(QStringLiteral("X")));
        choose(1102);
        choose(1102);
        const auto &told = program->os->fakePrompts.messages;
        QCOMPARE(told.size(), 2);
        QCOMPARE(told[0].title, QStringLiteral("От авторов..."));
        QCOMPARE(told[0].icon, platform::Icon::Information);
        QCOMPARE(told[0].text, QStringLiteral("Языковые модули - файлы с расширением <lng>.\r\n"
                                              "В них содержатся метки и текст на разных языках,\r\n"
                                              "Вы можете переводить их на любой язык...\r\n"
                                              "Приятного Вам чтения."));
    }

    void commandsOpenTheirWindows()
    {
        startWith(module(QStringLiteral("X")));
        choose(1200);
        QVERIFY(part<QListWidget>(w, "lstOgl")->isVisible());

        // Font, search and the chooser come up modal; each is closed from
        // inside its own wait.
        for (const auto &[id, name] : {std::pair{1300, "font1"}, {1400, "frmFind"}, {1101, "frmLang"}}) {
            QString seen;
            onNextModal(this, [&seen](QWidget *modal) {
                seen = modal->objectName();
                modal->close();
            });
            choose(id);
            QCOMPARE(seen, QString::fromLatin1(name));
        }

        // The font window already open from the menu bar is brought
        // forward, not opened a second time modal over itself.
        part<QAction>(w, "mnusrift")->trigger();
        font1 *open = program->forms->font1();
        QVERIFY(open->isVisible());
        bool wentModal = false;
        QTimer::singleShot(0, this,
                           [&wentModal] { wentModal = QApplication::activeModalWidget() != nullptr; });
        choose(1300);
        QCoreApplication::processEvents();
        QVERIFY(!wentModal);
        QCOMPARE(program->forms->font1(), open);
        QVERIFY(open->isVisible());
    }

    void exitUnhooksBeforeTheWindowGoes()
    {
        startWith(module(QStringLiteral("X")));
        QPointer<MainWindowProc> proc = w->findChild<MainWindowProc *>();
        QVERIFY(proc);
        // Sees the window's close before the window itself does.
        struct CloseWatch : QObject
        {
            QPointer<MainWindowProc> *proc;
            bool hookedAtClose = false;
            bool closed = false;
            bool eventFilter(QObject *, QEvent *e) override
            {
                if (e->type() == QEvent::Close && !closed) {
                    closed = true;
                    hookedAtClose = !proc->isNull();
                }
                return false;
            }
        } watch;
        watch.proc = &proc;
        w->installEventFilter(&watch);
        QTimer::singleShot(0, this, [this] { choose(2000); });
        QTimer::singleShot(5000, qApp, [] { QCoreApplication::exit(1); });
        QCOMPARE(QApplication::exec(), 0); // the program ends
        QVERIFY(watch.closed);
        QVERIFY(!watch.hookedAtClose);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!TestProgram::loaded("OpenBook"));
        w = nullptr;
    }
};

QTEST_MAIN(TestContextMenu)
#include "tst_contextmenu.moc"
