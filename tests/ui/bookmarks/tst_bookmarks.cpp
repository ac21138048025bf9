// Bookmarks as the reader keeps them: set from the menu or the window,
// never doubled, gone back to, removed, and on disk after every change.
#include "core/bookmarks/BookmarkFile.h"
#include "ui/bookmarks/frmBMarks.h"
#include "ui/common/ClickLabel.h"
#include "ui/reader/OpenBook.h"
#include "ui/settings/font1.h"
#include "support/Clicks.h"
#include "support/TestProgram.h"

#include <QAction>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>
#include <unistd.h>

class TestBookmarks : public QObject
{
    Q_OBJECT

    std::unique_ptr<TestProgram> program;
    OpenBook *w = nullptr;

    QByteArray file() const { return program->read(QStringLiteral("kvibmark.dat")); }
    void turnTo(int page) { w->TurnToPage(qint16(page)); }
    void start(const QByteArray &bookmarks = QByteArray(), bool withFile = true)
    {
        if (withFile)
            program->write(QStringLiteral("kvibmark.dat"), bookmarks);
        w = program->forms->openBook();
    }

private Q_SLOTS:
    void init() { program = std::make_unique<TestProgram>(); }
    void cleanup() { program.reset(); }

    void fileFormat_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("entries");
        QTest::newRow("as written") << QByteArray("\" 1\"\r\n\" 13\"\r\n") << QStringList{" 1", " 13"};
        QTest::newRow("LF only") << QByteArray("\" 5\"\n\" 7\"\n") << QStringList{" 5", " 7"};
        QTest::newRow("comma inside quotes") << QByteArray("\"a, b\"\r\n") << QStringList{"a, b"};
        QTest::newRow("two items on a line") << QByteArray("\" 3\",\" 9\"\r\n") << QStringList{" 3", " 9"};
        QTest::newRow("unquoted hand edit") << QByteArray("  21  \r\n\" 23\"") << QStringList{"21", " 23"};
        QTest::newRow("empty") << QByteArray() << QStringList{};
        QTest::newRow("blank lines") << QByteArray("\r\n\r\n\" 1\"\r\n\r\n") << QStringList{" 1"};
        QTest::newRow("unclosed quote") << QByteArray("\" 1\"\r\n\" 3") << QStringList{" 1", " 3"};
    }
    void fileFormat()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, entries);
        QCOMPARE(bookmarks::parse(bytes), entries);
    }

    void roundTripKeepsOrderAndBytes()
    {
        QCOMPARE(bookmarks::serialize({QStringLiteral(" 1")}), QByteArray("\x22\x20\x31\x22\x0D\x0A"));
        const QStringList order = {QStringLiteral(" 99"), QStringLiteral(" 3"), QStringLiteral(" 165")};
        QCOMPARE(bookmarks::parse(bookmarks::serialize(order)), order);
    }

    void junkFileLoadsWithoutHarm()
    {
        QByteArray junk(10 * 1024 * 1024, '\0');
        quint32 x = 12345;
        for (char &c : junk) {
            x = x * 1103515245u + 12345u;
            c = char(x >> 24);
        }
        program->write(QStringLiteral("kvibmark.dat"), junk);
        frmBMarks *b = program->forms->frmBMarks();
        QVERIFY(b->lstBMarks->count() > 0);
    }

    void firstRunHasNoFileAndExitCreatesAnEmptyOne()
    {
        start({}, false);
        frmBMarks *b = program->forms->frmBMarks();
        QCOMPARE(b->lstBMarks->count(), 0);
        QVERIFY(!QFile::exists(program->path(QStringLiteral("kvibmark.dat"))));
        b->cmdCancel->click();
        QVERIFY(QFile::exists(program->path(QStringLiteral("kvibmark.dat"))));
        QCOMPARE(file(), QByteArray());
    }

    void everyChangeIsOnDiskAtOnce()
    {
        start();
        part<QAction>(w, "bmset")->trigger(); // spread 1, the window never shown
        QCOMPARE(file(), QByteArray("\" 1\"\r\n"));
        turnTo(41);
        program->forms->frmBMarks()->cmdAdd->click();
        QCOMPARE(file(), QByteArray("\" 1\"\r\n\" 41\"\r\n"));
        // Leaving by any door loses nothing.
        program->restart();
        w = program->forms->openBook();
        QCOMPARE(program->forms->frmBMarks()->entries(), (QStringList{" 1", " 41"}));
        frmBMarks *b = program->forms->frmBMarks();
        b->lstBMarks->setCurrentRow(0);
        b->cmdRem->click();
        QCOMPARE(file(), QByteArray("\" 41\"\r\n"));
    }

    // Started from any folder, the reader finds the same bookmarks; the
    // file left in a start folder is read once and never written again,
    // and a link planted there is never written through.
    void bookmarksStayWithTheReadersSettings()
    {
        QTemporaryDir elsewhere;
        const QString left = elsewhere.filePath(QStringLiteral("kvibmark.dat"));
        QFile old(left);
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write("\" 5\"\r\n");
        old.close();
        QDir::setCurrent(elsewhere.path());
        start({}, false);
        frmBMarks *b = program->forms->frmBMarks();
        QCOMPARE(b->entries(), QStringList{QStringLiteral(" 5")});
        turnTo(41);
        b->cmdAdd->click();
        QCOMPARE(file(), QByteArray("\" 5\"\r\n\" 41\"\r\n"));
        QVERIFY(old.open(QIODevice::ReadOnly));
        QCOMPARE(old.readAll(), QByteArray("\" 5\"\r\n"));
        old.close();

        // Another start folder, now holding a link to a file of someone's
        // choosing: the reader's own bookmarks are what the window shows.
        QTemporaryDir shared;
        QVERIFY(QFile::link(left, shared.filePath(QStringLiteral("kvibmark.dat"))));
        QDir::setCurrent(shared.path());
        program->restart();
        w = program->forms->openBook();
        QCOMPARE(program->forms->frmBMarks()->entries(), (QStringList{" 5", " 41"}));
        program->forms->frmBMarks()->cmdCancel->click();
        QVERIFY(old.open(QIODevice::ReadOnly));
        QCOMPARE(old.readAll(), QByteArray("\" 5\"\r\n"));
    }

    // The writer itself refuses a link that is not the reader's: as root,
    // one owned by another account stands in for a planted one.
    void plantedLinkIsNotWrittenThrough()
    {
        if (::geteuid() != 0)
            QSKIP("only root can lay a link owned by another account");
        QTemporaryDir shared;
        const QString target = shared.filePath(QStringLiteral("target"));
        const QString link = shared.filePath(QStringLiteral("kvibmark.dat"));
        QVERIFY(QFile::link(target, link));
        QVERIFY(::lchown(QFile::encodeName(link).constData(), 65534, 65534) == 0);
        QVERIFY(!bookmarks::save(link, {QStringLiteral(" 1")}));
        QVERIFY(!QFile::exists(target));
    }

    void sameSpreadTwiceIsOneEntry()
    {
        start("\" 7\"\r\n\" 3\"\r\n\" 9\"\r\n");
        frmBMarks *b = program->forms->frmBMarks();
        turnTo(3);
        b->cmdAdd->click();
        QCOMPARE(b->entries(), (QStringList{" 7", " 3", " 9"}));
        QCOMPARE(b->lstBMarks->currentRow(), 1); // the existing one is selected
        turnTo(11);
        b->cmdAdd->click();
        QCOMPARE(b->entries().last(), QStringLiteral(" 11"));
        QCOMPARE(b->lstBMarks->currentRow(), 2); // the last one compared, not the new one

        while (b->lstBMarks->count() > 0) {
            b->lstBMarks->setCurrentRow(0);
            b->cmdRem->click();
        }
        QCOMPARE(file(), QByteArray());
        b->cmdAdd->click();
        QCOMPARE(b->entries(), QStringList{" 11"});
    }

    void removeWithoutSelectionDoesNothing()
    {
        start("\" 5\"\r\n");
        frmBMarks *b = program->forms->frmBMarks();
        b->lstBMarks->clearSelection();
        b->lstBMarks->setCurrentRow(-1);
        b->cmdRem->click();
        QCOMPARE(b->entries(), QStringList{" 5"});
    }

    void goingToEntries_data()
    {
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<int>("spread");
        QTest::newRow("odd page") << QByteArray("\" 13\"") << 13;
        QTest::newRow("hand-edited even page") << QByteArray("\" 14\"") << 13;
        QTest::newRow("last page") << QByteArray("\" 166\"") << 165;
        QTest::newRow("number and words") << QByteArray("\" 21 my place\"") << 21;
        QTest::newRow("no number") << QByteArray("\"chapter\"") << 77;
        QTest::newRow("zero") << QByteArray("\" 0\"") << 77;
        QTest::newRow("beyond the book") << QByteArray("\" 167\"") << 77;
        QTest::newRow("negative") << QByteArray("\" -3\"") << 77;
        QTest::newRow("too large a number") << QByteArray("\" 99999\"") << 77;
    }
    void goingToEntries()
    {
        QFETCH(QByteArray, line);
        QFETCH(int, spread);
        start(line + "\r\n");
        turnTo(77);
        frmBMarks *b = program->forms->frmBMarks();
        b->lstBMarks->setCurrentRow(0);
        b->cmdGo->click();
        QCOMPARE(w->currentPage(), qint16(spread));
        QCOMPARE(part<QLabel>(w, "leftNum")->text(), QStringLiteral(" %1").arg(spread));
        QVERIFY(TestProgram::loaded("frmBMarks")); // the window stays
    }

    void doubleClickGoesToo()
    {
        start("\" 33\"\r\n");
        frmBMarks *b = program->forms->frmBMarks();
        b->show();
        QListWidgetItem *item = b->lstBMarks->item(0);
        const QPoint at = b->lstBMarks->visualItemRect(item).center();
        QSignalSpy chosen(b, &frmBMarks::pageChosen);
        doubleClickAt(b->lstBMarks->viewport(), at);
        QCOMPARE(w->currentPage(), qint16(33));
        QCOMPARE(chosen.count(), 1); // one double-click, one jump
        b->lstBMarks->setFocus();
        QTest::keyClick(b->lstBMarks, Qt::Key_Return);
        QCOMPARE(chosen.count(), 2);
    }

    void unwritableFileIsToldAndTheListKept()
    {
        start("\" 1\"\r\n");
        frmBMarks *b = program->forms->frmBMarks();
        // A folder where the file should be: no write can succeed.
        QFile::remove(program->path(QStringLiteral("kvibmark.dat")));
        QDir().mkpath(program->path(QStringLiteral("kvibmark.dat")));
        turnTo(5);
        b->cmdAdd->click();
        QCOMPARE(b->entries(), (QStringList{" 1", " 5"}));
        QCOMPARE(program->os->fakePrompts.messages.size(), 1);
        QVERIFY(program->os->fakePrompts.messages[0].text.contains(QStringLiteral("kvibmark.dat")));
        QCOMPARE(program->os->fakePrompts.messages[0].icon, platform::Icon::Critical);
    }

    void reopenedWindowShowsItsOwnCaptionsUntilTheNextLanguage()
    {
        start();
        QCOMPARE(program->forms->frmBMarks()->cmdAdd->text(), QStringLiteral("Add"));
        program->forms->frmBMarks()->cmdCancel->click();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(program->forms->frmBMarks()->cmdAdd->text(), QStringLiteral("Добавить"));
        program->forms->font1()->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        program->forms->font1(); // its load applies the language to every window
        QCOMPARE(program->forms->frmBMarks()->cmdAdd->text(), QStringLiteral("Add"));
    }
};

QTEST_MAIN(TestBookmarks)
#include "tst_bookmarks.moc"
