// What the reader meets when the machine is against them: folders that
// cannot be written, files that are directories or junk, missing or broken
// language modules, a full disk. In every case the book opens, nothing
// already on disk is lost, and the reader is told once what happened.
#include "ui/bookmarks/frmBMarks.h"
#include "faults/Mounts.h"
#include "ui/language/frmLang.h"
#include "core/output/SaveText.h"
#include "ui/common/ClickLabel.h"
#include "ui/reader/OpenBook.h"
#include "core/book/PageStore.h"
#include "ui/settings/font1.h"
#include "support/TestProgram.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

namespace {

QByteArray junk(qsizetype size)
{
    QByteArray bytes(size, '\0');
    quint32 x = 2463534242u;
    for (char &c : bytes) {
        x ^= x << 13;
        x ^= x >> 17;
        x ^= x << 5;
        c = char(x);
    }
    return bytes;
}

} // namespace

class TestFaults : public QObject
{
    Q_OBJECT

    std::unique_ptr<TestProgram> program;
    QStringList mounted;

    QList<Asked> &told() { return program->os->fakePrompts.messages; }
    QString ini() const { return program->path(QStringLiteral("program.ini")); }
    void needMounts()
    {
        if (!mounts::canMount())
            QSKIP("needs root to make a real read-only folder or a full disk");
    }
    void readOnly(const QString &path)
    {
        QVERIFY2(mounts::makeReadOnly(path), qPrintable(path));
        mounted.prepend(path);
    }
    // The book as a reader opens it: the reading window with its spread.
    OpenBook *openTheBook()
    {
        OpenBook *w = program->forms->openBook();
        w->show();
        return w;
    }
    void expectTheBookOpen(OpenBook *w)
    {
        QVERIFY(w && w->isVisible());
        QCOMPARE(part<ClickLabel>(w, "txtleft")->text(), *bookdata::LoadPageText(1));
    }
    // A reader's settings change: a size from the font dialog, applied.
    void changeASetting()
    {
        font1 *d = program->forms->font1();
        d->cmbFont[2]->setCurrentText(QStringLiteral("18"));
        d->cmdFontApply->click();
    }
    void expectToldOnce(const QString &start)
    {
        QCOMPARE(told().size(), 1);
        QVERIFY2(told()[0].text.startsWith(start), qPrintable(told()[0].text));
        told().clear();
    }

private Q_SLOTS:
    void init() { program = std::make_unique<TestProgram>(); }
    void cleanup()
    {
        program->restart();
        for (const QString &m : std::as_const(mounted))
            mounts::unmount(m);
        mounted.clear();
        program.reset();
    }

    void readOnlyProgramFolder()
    {
        needMounts();
        program->write(QStringLiteral("program.ini"), "[general]\r\nFontSize=16\r\n");
        readOnly(program->dir.path());
        OpenBook *w = openTheBook();
        expectTheBookOpen(w);
        QCOMPARE(part<ClickLabel>(w, "txtleft")->font().pointSizeF(), 16.0);
        QVERIFY(told().isEmpty());
        changeASetting();
        // The pages take it; that it cannot be kept is said once.
        QCOMPARE(part<ClickLabel>(w, "txtleft")->font().pointSizeF(), 18.0);
        expectToldOnce(QStringLiteral("Не удалось сохранить настройки"));
        QCOMPARE(program->read(QStringLiteral("program.ini")), QByteArray("[general]\r\nFontSize=16\r\n"));
        // So does the language chooser, and a bookmark.
        frmLang *chooser = program->forms->frmLang();
        chooser->lfff->setCurrentRow(0);
        chooser->cmdApply->click();
        expectToldOnce(QStringLiteral("Не удалось сохранить настройки"));
        part<QAction>(w, "bmset")->trigger();
        expectToldOnce(QStringLiteral("Не удалось сохранить закладки"));
        QCOMPARE(program->forms->frmBMarks()->entries(), QStringList{QStringLiteral(" 1")});
    }

    void languageFolderThatCannotSpeak_data()
    {
        QTest::addColumn<QString>("state");
        QTest::addColumn<bool>("ends");
        QTest::newRow("no language folder") << QStringLiteral("missing") << true;
        QTest::newRow("an empty one") << QStringLiteral("empty") << true;
        QTest::newRow("only broken modules") << QStringLiteral("broken") << false;
        QTest::newRow("eng.lng gone, the chosen one without L1") << QStringLiteral("no english") << false;
    }
    void languageFolderThatCannotSpeak()
    {
        QFETCH(QString, state);
        QFETCH(bool, ends);
        const QString folder = program->languageFolder();
        QDir(folder).removeRecursively();
        if (state != QLatin1String("missing"))
            QDir().mkpath(folder);
        if (state == QLatin1String("broken")) {
            program->write(QStringLiteral("language/binary.lng"), junk(4096));
            program->write(QStringLiteral("language/empty.lng"), QByteArray());
            program->write(QStringLiteral("language/huge.lng"), junk(10 * 1024 * 1024));
        }
        if (state == QLatin1String("no english")) {
            program->write(QStringLiteral("language/x.lng"),
                           "[general]\r\nlang=X\r\n[Language1]\r\nL3=x\r\n");
            program->write(QStringLiteral("program.ini"),
                           "[Interface]\r\nlanguage=" +
                               program->path(QStringLiteral("language/x.lng")).toUtf8());
        }
        OpenBook *w = openTheBook();
        QCOMPARE(program->os->ended, ends ? 1 : 0);
        QCOMPARE(told().size(), 1);
        QCOMPARE(told()[0].title, QStringLiteral("Ошибка интерфейса..."));
        if (!ends) {
            expectTheBookOpen(w);
            // The windows keep captions a reader can use.
            QCOMPARE(part<QAction>(w, "ogl")->text(), QStringLiteral("Оглавление"));
        }
    }

    void settingsFileThatCannotBeRead_data()
    {
        QTest::addColumn<QString>("state");
        QTest::addColumn<bool>("writable");
        QTest::newRow("a directory") << QStringLiteral("directory") << false;
        QTest::newRow("a link to itself") << QStringLiteral("loop") << false;
        // Mode 000 bars writing as much as reading.
        QTest::newRow("no read permission") << QStringLiteral("mode 000") << false;
        QTest::newRow("10 MB of junk") << QStringLiteral("junk") << true;
    }
    void settingsFileThatCannotBeRead()
    {
        QFETCH(QString, state);
        QFETCH(bool, writable);
        QByteArray before;
        if (state == QLatin1String("directory")) {
            QVERIFY(QDir().mkpath(ini()));
        } else if (state == QLatin1String("loop")) {
            QVERIFY(QFile::link(ini(), ini()));
        } else if (state == QLatin1String("mode 000")) {
            if (mounts::canMount())
                QSKIP("root reads a file of mode 000 all the same");
            before = "[general]\r\nFontSize=16\r\n";
            program->write(QStringLiteral("program.ini"), before);
            QVERIFY(QFile::setPermissions(ini(), {}));
        } else {
            before = junk(10 * 1024 * 1024);
            program->write(QStringLiteral("program.ini"), before);
        }
        OpenBook *w = openTheBook();
        expectTheBookOpen(w);
        QCOMPARE(part<ClickLabel>(w, "txtleft")->font().pointSizeF(), 14.0); // the defaults
        QVERIFY(told().isEmpty());
        changeASetting();
        if (writable && state == QLatin1String("junk")) {
            QVERIFY(told().isEmpty());
            // Every byte of the junk is still there around the new key.
            const QByteArray after = program->read(QStringLiteral("program.ini"));
            QVERIFY(after.startsWith(before.left(4096)));
            QVERIFY(after.size() > before.size());
        } else if (!writable) {
            expectToldOnce(QStringLiteral("Не удалось сохранить настройки"));
        }
        if (state == QLatin1String("mode 000")) {
            // The file the program could not read is not replaced by one
            // made of the defaults: the reader's 16 is still there.
            QVERIFY(QFile::setPermissions(ini(), QFile::ReadOwner | QFile::WriteOwner));
            QCOMPARE(program->read(QStringLiteral("program.ini")), before);
        }
    }

    void bookmarkFileThatCannotBeKept_data()
    {
        QTest::addColumn<QString>("state");
        QTest::newRow("a directory") << QStringLiteral("directory");
        QTest::newRow("read-only") << QStringLiteral("read-only");
        QTest::newRow("10 MB of junk") << QStringLiteral("junk");
    }
    void bookmarkFileThatCannotBeKept()
    {
        QFETCH(QString, state);
        const QString file = program->path(QStringLiteral("kvibmark.dat"));
        QByteArray before;
        if (state == QLatin1String("directory")) {
            QVERIFY(QDir().mkpath(file));
        } else if (state == QLatin1String("read-only")) {
            needMounts();
            before = "\" 7\"\r\n";
            program->write(QStringLiteral("kvibmark.dat"), before);
            readOnly(file);
        } else {
            before = junk(10 * 1024 * 1024);
            program->write(QStringLiteral("kvibmark.dat"), before);
        }
        OpenBook *w = openTheBook();
        expectTheBookOpen(w);
        frmBMarks *marks = program->forms->frmBMarks();
        const QStringList loaded = marks->entries();
        w->TurnToPage(41);
        part<QAction>(w, "bmset")->trigger();
        QCOMPARE(marks->entries(), loaded + QStringList{QStringLiteral(" 41")});
        if (state == QLatin1String("junk")) {
            QVERIFY(told().isEmpty()); // junk reads as entries and is replaced whole
            QCOMPARE(program->read(QStringLiteral("kvibmark.dat")).right(7), QByteArray("\" 41\"\r\n"));
        } else {
            expectToldOnce(QStringLiteral("Не удалось сохранить закладки"));
            if (!before.isEmpty())
                QCOMPARE(program->read(QStringLiteral("kvibmark.dat")), before);
        }
    }

    void fullDiskKeepsEveryOldFileWhole()
    {
        needMounts();
        const QString disk = program->dir.path();
        QVERIFY(mounts::mountTiny(disk, 512));
        mounted.prepend(disk);
        QDir::setCurrent(disk); // kvibmark.dat lives in the current folder
        QDir().mkpath(program->languageFolder());
        program->installShippedModules();
        const QByteArray settings = "[general]\r\nFontSize=16\r\n";
        const QByteArray marks = "\" 3\"\r\n";
        const QByteArray poem = "Арвий Квиллборн\r\nстихи\r\n";
        program->write(QStringLiteral("program.ini"), settings);
        program->write(QStringLiteral("kvibmark.dat"), marks);
        program->write(QStringLiteral("poem.txt"), poem);
        OpenBook *w = openTheBook();
        expectTheBookOpen(w);
        program->forms->frmBMarks();

        // Fill the disk to the last byte.
        QFile filler(program->path(QStringLiteral("filler")));
        QVERIFY(filler.open(QIODevice::WriteOnly));
        const QByteArray block(4096, 'x');
        while (filler.write(block) == block.size() && filler.flush()) {
        }
        while (filler.write("x", 1) == 1 && filler.flush()) {
        }
        filler.close();

        changeASetting();
        expectToldOnce(QStringLiteral("Не удалось сохранить настройки"));
        QCOMPARE(program->read(QStringLiteral("program.ini")), settings);

        w->TurnToPage(99);
        part<QAction>(w, "bmset")->trigger();
        expectToldOnce(QStringLiteral("Не удалось сохранить закладки"));
        QCOMPARE(program->read(QStringLiteral("kvibmark.dat")), marks);

        program->os->fakePrompts.saveAnswer = program->path(QStringLiteral("poem.txt"));
        QVERIFY(!output::saveTextAs(*program->os, QString(20000, QLatin1Char('a')), QStringLiteral("t"),
                                    QStringLiteral("poem.txt")));
        expectToldOnce(QStringLiteral("Не удалось сохранить файл"));
        QCOMPARE(program->read(QStringLiteral("poem.txt")), poem);
        // Nothing half-written is left beside them.
        QCOMPARE(QDir(disk).entryList(QDir::Files).size(), 4);
    }
};

QTEST_MAIN(TestFaults)
#include "tst_faults.moc"
