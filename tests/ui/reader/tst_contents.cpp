// The contents list: each entry opens its poem's spread, the list hides
// after a choice or a click on the right page, and keeps its selection.
#include "app/Forms.h"
#include "core/book/BookTables.h"
#include "ui/common/ClickLabel.h"
#include "ui/common/ListChoice.h"
#include "ui/reader/OpenBook.h"
#include "support/Clicks.h"
#include "support/TestProgram.h"

#include <QLabel>
#include <QListWidget>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

class TestContents : public QObject
{
    Q_OBJECT

    std::unique_ptr<TestProgram> program;
    OpenBook *w = nullptr;

    void choose(int entry)
    {
        w->ShowContentsList();
        QListWidgetItem *item = part<QListWidget>(w, "lstOgl")->item(entry - 1);
        part<QListWidget>(w, "lstOgl")->scrollToItem(item);
        QTest::mouseClick(part<QListWidget>(w, "lstOgl")->viewport(), Qt::LeftButton, {},
                          part<QListWidget>(w, "lstOgl")->visualItemRect(item).center());
    }

private Q_SLOTS:
    void init()
    {
        program = std::make_unique<TestProgram>();
        w = program->forms->openBook();
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w));
    }
    void cleanup() { program.reset(); }

    void listHoldsTheEightyOneEntriesHidden()
    {
        QCOMPARE(part<QListWidget>(w, "lstOgl")->count(), 81);
        QVERIFY(part<QListWidget>(w, "lstOgl")->isHidden());
        QCOMPARE(part<QListWidget>(w, "lstOgl")->item(74)->text(),
                 part<QListWidget>(w, "lstOgl")->item(75)->text());
        part<QAction>(w, "ogl")->trigger();
        QVERIFY(part<QListWidget>(w, "lstOgl")->isVisible());
        QCOMPARE(w->currentPage(), qint16(1)); // opening the list turns nothing
    }

    void entriesOpenTheirSpreads_data()
    {
        QTest::addColumn<int>("entry");
        QTest::addColumn<int>("spread");
        QTest::newRow("1") << 1 << 1;
        QTest::newRow("2, same spread") << 2 << 1;
        QTest::newRow("12") << 12 << 19;
        QTest::newRow("75") << 75 << 145;
        QTest::newRow("76, same title") << 76 << 151;
        QTest::newRow("77") << 77 << 155;
        QTest::newRow("78") << 78 << 155;
        QTest::newRow("81, the last") << 81 << 161;
    }
    void entriesOpenTheirSpreads()
    {
        QFETCH(int, entry);
        QFETCH(int, spread);
        choose(entry);
        QCOMPARE(part<QLabel>(w, "n1")->text(), QString::number(entry));
        QCOMPARE(w->currentPage(), qint16(spread));
        QCOMPARE(part<QLabel>(w, "leftNum")->text(), QStringLiteral(" %1").arg(spread));
        QVERIFY(part<QListWidget>(w, "lstOgl")->isHidden());
    }

    void keyboardChoosesWithEnter()
    {
        w->ShowContentsList();
        part<QListWidget>(w, "lstOgl")->setCurrentRow(10);
        QTest::keyClick(part<QListWidget>(w, "lstOgl"), Qt::Key_Down); // moving alone does not jump
        QVERIFY(part<QListWidget>(w, "lstOgl")->isVisible());
        QCOMPARE(w->currentPage(), qint16(1));
        QTest::keyClick(part<QListWidget>(w, "lstOgl"), Qt::Key_Return);
        QCOMPARE(w->currentPage(), qint16(*bookdata::contentsSpread(12)));
        QVERIFY(part<QListWidget>(w, "lstOgl")->isHidden());
        // Esc closes the list without a jump.
        w->ShowContentsList();
        part<QListWidget>(w, "lstOgl")->setCurrentRow(40);
        QTest::keyClick(part<QListWidget>(w, "lstOgl"), Qt::Key_Escape);
        QVERIFY(part<QListWidget>(w, "lstOgl")->isHidden());
        QCOMPARE(w->currentPage(), qint16(*bookdata::contentsSpread(12)));
    }

    // With the list open, every moving key moves in the list; whatever the
    // list leaves unused must not turn the spread behind it.
    void movingKeysStayInTheOpenList_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("row");
        QTest::newRow("Left") << int(Qt::Key_Left) << 40;
        QTest::newRow("Right") << int(Qt::Key_Right) << 40;
        QTest::newRow("Up") << int(Qt::Key_Up) << 39;
        QTest::newRow("Down") << int(Qt::Key_Down) << 41;
        QTest::newRow("Home") << int(Qt::Key_Home) << 0;
        QTest::newRow("End") << int(Qt::Key_End) << 80;
        QTest::newRow("PageDown at the end") << int(Qt::Key_PageDown) << 80;
        QTest::newRow("PageUp at the top") << int(Qt::Key_PageUp) << 0;
    }
    void movingKeysStayInTheOpenList()
    {
        QFETCH(int, key);
        QFETCH(int, row);
        w->TurnToPage(41);
        w->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w));
        w->ShowContentsList();
        auto *list = part<QListWidget>(w, "lstOgl");
        list->setCurrentRow(key == Qt::Key_PageDown ? 80 : key == Qt::Key_PageUp ? 0 : 40);
        QCOMPARE(QApplication::focusWidget(), list);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key(key));
        QCOMPARE(w->currentPage(), qint16(41));
        QCOMPARE(list->currentRow(), row);
        QVERIFY(list->isVisible());
    }

    void oneActionMakesOneJump()
    {
        // Every jump from the list is one choice made in it; what else the
        // action reached would have turned the book away from the entry.
        auto *list = part<QListWidget>(w, "lstOgl");
        QSignalSpy jumps(list->findChild<ListChoice *>(), &ListChoice::chosen);
        w->ShowContentsList();
        const QPoint at = list->visualItemRect(list->item(11)).center();
        doubleClickAt(list->viewport(), at);
        QCOMPARE(jumps.count(), 1);
        QCOMPARE(w->currentPage(), qint16(*bookdata::contentsSpread(12)));
        jumps.clear();
        w->ShowContentsList();
        list->setCurrentRow(20);
        QTest::keyClick(list, Qt::Key_Enter);
        QCOMPARE(jumps.count(), 1);
        QCOMPARE(w->currentPage(), qint16(*bookdata::contentsSpread(21)));
    }

    void noSelectionShowsTheSpreadAgain()
    {
        w->TurnToPage(41);
        part<ClickLabel>(w, "txtleft")->setText(QStringLiteral("stale"));
        w->GoToContentsEntry();
        QCOMPARE(part<QLabel>(w, "n1")->text(), QStringLiteral("0"));
        QCOMPARE(w->currentPage(), qint16(41));
        QVERIFY(part<ClickLabel>(w, "txtleft")->text() != QStringLiteral("stale"));
    }

    void selectionIsKeptAndTheLastJumpComesBack()
    {
        choose(77);
        w->TurnToPage(165); // turned on to the end, then back to the list
        part<QAction>(w, "ogl")->trigger();
        QCOMPARE(part<QListWidget>(w, "lstOgl")->currentRow(), 76);
        choose(3);
        QCOMPARE(w->currentPage(), qint16(3));
        QVERIFY(!part<ClickLabel>(w, "lblnext")->isHidden());
        QVERIFY(!part<ClickLabel>(w, "lblback")->isHidden());
    }

    void clicksOnTheRightPageCloseTheList_data()
    {
        QTest::addColumn<QString>("control");
        QTest::newRow("picture") << QStringLiteral("Picture1");
        QTest::newRow("right page") << QStringLiteral("txtright");
        QTest::newRow("right title") << QStringLiteral("zright");
    }
    void clicksOnTheRightPageCloseTheList()
    {
        QFETCH(QString, control);
        w->TurnToPage(9);
        w->ShowContentsList();
        auto *target = w->findChild<QWidget *>(control);
        QVERIFY(target);
        QPoint at = target->rect().center();
        if (control == QStringLiteral("Picture1"))
            at = QPoint(700, 470); // a corner of the picture no label covers
        QTest::mouseClick(target, Qt::LeftButton, {}, at);
        QVERIFY(part<QListWidget>(w, "lstOgl")->isHidden());
        QCOMPARE(w->currentPage(), qint16(9));
        // The left page lies under the list: clicks there do nothing.
        w->ShowContentsList();
        QTest::mouseClick(part<ClickLabel>(w, "zleft"), Qt::LeftButton);
        QVERIFY(part<QListWidget>(w, "lstOgl")->isVisible());
    }
};

QTEST_MAIN(TestContents)
#include "tst_contents.moc"
