// The contents list: each entry opens its poem's spread, the list hides
// after a choice or a click on the right page, and keeps its selection.
#include "app/Forms.h"
#include "app/Paths.h"
#include "reader/BookTables.h"
#include "reader/ClickLabel.h"
#include "reader/Contents.h"
#include "reader/OpenBook.h"
#include "support/TestProgram.h"

#include <QListWidget>
#include <QTemporaryDir>
#include <QTest>

class TestContents : public QObject
{
    Q_OBJECT

    std::unique_ptr<TestProgram> program;
    OpenBook *w = nullptr;

    void choose(int entry)
    {
        ShowContentsList(*w);
        QListWidgetItem *item = w->lstOgl->item(entry - 1);
        w->lstOgl->scrollToItem(item);
        QTest::mouseClick(w->lstOgl->viewport(), Qt::LeftButton, {},
                          w->lstOgl->visualItemRect(item).center());
    }

private Q_SLOTS:
    void init()
    {
        program = std::make_unique<TestProgram>();
        w = Forms::openBook();
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w));
    }
    void cleanup() { program.reset(); }

    void listHoldsTheEightyOneEntriesHidden()
    {
        QCOMPARE(w->lstOgl->count(), 81);
        QVERIFY(w->lstOgl->isHidden());
        QCOMPARE(w->lstOgl->item(74)->text(), w->lstOgl->item(75)->text());
        w->ogl->trigger();
        QVERIFY(w->lstOgl->isVisible());
        QCOMPARE(w->CurrentPage, qint16(1)); // opening the list turns nothing
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
        QCOMPARE(w->n1->text(), QString::number(entry));
        QCOMPARE(w->CurrentPage, qint16(spread));
        QCOMPARE(w->leftNum->text(), QStringLiteral(" %1").arg(spread));
        QVERIFY(w->lstOgl->isHidden());
    }

    void keyboardChoosesWithEnter()
    {
        ShowContentsList(*w);
        w->lstOgl->setCurrentRow(10);
        QTest::keyClick(w->lstOgl, Qt::Key_Down); // moving alone does not jump
        QVERIFY(w->lstOgl->isVisible());
        QCOMPARE(w->CurrentPage, qint16(1));
        QTest::keyClick(w->lstOgl, Qt::Key_Return);
        QCOMPARE(w->CurrentPage, qint16(*bookdata::contentsSpread(12)));
        QVERIFY(w->lstOgl->isHidden());
        // Esc closes the list without a jump.
        ShowContentsList(*w);
        w->lstOgl->setCurrentRow(40);
        QTest::keyClick(w->lstOgl, Qt::Key_Escape);
        QVERIFY(w->lstOgl->isHidden());
        QCOMPARE(w->CurrentPage, qint16(*bookdata::contentsSpread(12)));
    }

    void noSelectionShowsTheSpreadAgain()
    {
        w->CurrentPage = 41;
        w->ShowSpread(w->CurrentPage);
        w->txtleft->setText(QStringLiteral("stale"));
        GoToContentsEntry(*w);
        QCOMPARE(w->n1->text(), QStringLiteral("0"));
        QCOMPARE(w->CurrentPage, qint16(41));
        QVERIFY(w->txtleft->text() != QStringLiteral("stale"));
    }

    void selectionIsKeptAndTheLastJumpComesBack()
    {
        choose(77);
        w->CurrentPage = 165; // turned on to the end, then back to the list
        w->ShowSpread(w->CurrentPage);
        w->ogl->trigger();
        QCOMPARE(w->lstOgl->currentRow(), 76);
        choose(3);
        QCOMPARE(w->CurrentPage, qint16(3));
        QVERIFY(!w->lblnext->isHidden());
        QVERIFY(!w->lblback->isHidden());
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
        w->CurrentPage = 9;
        w->ShowSpread(w->CurrentPage);
        ShowContentsList(*w);
        auto *target = w->findChild<QWidget *>(control);
        QVERIFY(target);
        QPoint at = target->rect().center();
        if (control == QStringLiteral("Picture1"))
            at = QPoint(700, 470); // a corner of the picture no label covers
        QTest::mouseClick(target, Qt::LeftButton, {}, at);
        QVERIFY(w->lstOgl->isHidden());
        QCOMPARE(w->CurrentPage, qint16(9));
        // The left page lies under the list: clicks there do nothing.
        ShowContentsList(*w);
        QTest::mouseClick(w->zleft, Qt::LeftButton);
        QVERIFY(w->lstOgl->isVisible());
    }
};

QTEST_MAIN(TestContents)
#include "tst_contents.moc"
