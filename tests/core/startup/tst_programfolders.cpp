// Where the program keeps what it writes: beside the shipped files when it
// may, in the reader's own folder when it may not, for every layout the
// program is started from.
#include "core/startup/ProgramFolders.h"
#include "support/FakePlatform.h"

#include <QDir>
#include <QFile>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>

#include <unistd.h>

using programfolders::FolderChecks;

namespace {

// A file system that answers from two sets of folders and remembers what
// it was asked about.
struct FakeFolders
{
    QSet<QString> shipped;
    QSet<QString> writable;
    mutable QStringList askedWritable;

    FolderChecks checks() const
    {
        return {[this](const QString &f) { return shipped.contains(f); },
                [this](const QString &f) {
                    askedWritable << f;
                    return writable.contains(f);
                }};
    }
};

const QString User = QStringLiteral("/home/reader/.local/share/kvillborn");

} // namespace

class TestProgramFolders : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void layouts_data()
    {
        QTest::addColumn<QString>("binary");
        QTest::addColumn<QStringList>("shippedAt");
        QTest::addColumn<QStringList>("writableAt");
        QTest::addColumn<QString>("userFolder");
        QTest::addColumn<QString>("shipped");
        QTest::addColumn<QString>("own");

        const QString build = QStringLiteral("/src/build");
        QTest::newRow("build folder")
            << build << QStringList{build} << QStringList{build} << User << build << build;
        QTest::newRow("build folder made read-only")
            << build << QStringList{build} << QStringList{} << User << build << User;

        const QString share = QStringLiteral("/opt/kv/share/kvillborn");
        QTest::newRow("prefix the reader owns")
            << QStringLiteral("/opt/kv/bin") << QStringList{share} << QStringList{share, "/opt/kv/bin"}
            << User << share << share;
        QTest::newRow("prefix of the system")
            << QStringLiteral("/usr/bin") << QStringList{QStringLiteral("/usr/share/kvillborn")}
            << QStringList{} << User << QStringLiteral("/usr/share/kvillborn") << User;
        // Only the shipped folder's own answer counts, not its parent's.
        QTest::newRow("writable bin beside a read-only share")
            << QStringLiteral("/usr/bin") << QStringList{QStringLiteral("/usr/share/kvillborn")}
            << QStringList{QStringLiteral("/usr/bin")} << User << QStringLiteral("/usr/share/kvillborn")
            << User;
        QTest::newRow("moved prefix, trailing slash")
            << QStringLiteral("/mnt/copy/bin/") << QStringList{QStringLiteral("/mnt/copy/share/kvillborn")}
            << QStringList{} << User << QStringLiteral("/mnt/copy/share/kvillborn") << User;
        // A share folder without the shipped files is somebody else's.
        QTest::newRow("unrelated share folder")
            << QStringLiteral("/home/me/bin") << QStringList{} << QStringList{QStringLiteral("/home/me/bin")}
            << User << QStringLiteral("/home/me/bin") << QStringLiteral("/home/me/bin");
        QTest::newRow("no home to fall back to")
            << QStringLiteral("/usr/bin") << QStringList{QStringLiteral("/usr/share/kvillborn")}
            << QStringList{} << QString() << QStringLiteral("/usr/share/kvillborn")
            << QStringLiteral("/usr/share/kvillborn");
    }
    void layouts()
    {
        QFETCH(QString, binary);
        QFETCH(QStringList, shippedAt);
        QFETCH(QStringList, writableAt);
        QFETCH(QString, userFolder);
        QFETCH(QString, shipped);
        QFETCH(QString, own);
        FakeFolders fs{QSet<QString>(shippedAt.begin(), shippedAt.end()),
                       QSet<QString>(writableAt.begin(), writableAt.end()),
                       {}};
        const auto folders = programfolders::decide(binary, userFolder, fs.checks());
        QCOMPARE(folders.shipped, shipped);
        QCOMPARE(folders.own, own);
        QCOMPARE(fs.askedWritable, QStringList{shipped});
        QCOMPARE(folders.separate(), own != shipped);
    }

    void filesFollowTheFolders()
    {
        FakeFolders fs{{QStringLiteral("/usr/share/kvillborn")}, {}, {}};
        const auto folders = programfolders::decide(QStringLiteral("/usr/bin"), User, fs.checks());
        QCOMPARE(folders.settingsFile(), User + QStringLiteral("/program.ini"));
        QCOMPARE(folders.languageFolder(), User + QStringLiteral("/language"));
        QCOMPARE(folders.shippedSettings(), QStringLiteral("/usr/share/kvillborn/program.ini"));
    }

    void shippedFilesBecomeTheReadersOnce()
    {
        QTemporaryDir root;
        QVERIFY(root.isValid());
        const programfolders::ProgramFolders folders{root.filePath(QStringLiteral("share/kvillborn")),
                                                     root.filePath(QStringLiteral("home/kvillborn"))};
        QDir().mkpath(folders.shipped);
        QFile shipped(folders.shippedSettings());
        QVERIFY(shipped.open(QIODevice::WriteOnly));
        shipped.write("[General]\r\nFontSize=12\r\n");
        shipped.close();
        // Read-only as on a read-only medium; a copy would keep that.
        QVERIFY(shipped.setPermissions(QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));

        FakePlatform os(root.path());
        programfolders::takeShippedFiles(os, folders);
        QFile own(folders.settingsFile());
        QVERIFY(own.open(QIODevice::ReadOnly));
        QCOMPARE(own.readAll(), QByteArray("[General]\r\nFontSize=12\r\n"));
        own.close();
        QVERIFY(own.permissions() & QFile::WriteOwner);

        // The reader's later choices stay theirs.
        QVERIFY(own.open(QIODevice::WriteOnly | QIODevice::Truncate));
        own.write("[General]\r\nFontSize=14\r\n");
        own.close();
        FakePlatform again(root.path());
        programfolders::takeShippedFiles(again, folders);
        QVERIFY(own.open(QIODevice::ReadOnly));
        QCOMPARE(own.readAll(), QByteArray("[General]\r\nFontSize=14\r\n"));

        // Modules found in the shipped language folder join the reader's;
        // a module the reader has kept is theirs.
        QDir().mkpath(folders.shipped + QStringLiteral("/language"));
        for (const char *name : {"eng.lng", "rus.lng"}) {
            QFile module(folders.shipped + QStringLiteral("/language/") + QLatin1String(name));
            QVERIFY(module.open(QIODevice::WriteOnly));
            module.write("shipped");
        }
        QFile kept(folders.languageFolder() + QStringLiteral("/rus.lng"));
        QVERIFY(kept.open(QIODevice::WriteOnly));
        kept.write("reader's");
        kept.close();
        FakePlatform third(root.path());
        programfolders::takeShippedFiles(third, folders);
        QCOMPARE(third.logOf(QStringLiteral("copy share/kvillborn/language/")),
                 (QStringList{QStringLiteral("copy share/kvillborn/language/eng.lng -> "
                                             "home/kvillborn/language/eng.lng ok"),
                              QStringLiteral("copy share/kvillborn/language/rus.lng -> "
                                             "home/kvillborn/language/rus.lng failed")}));
        QVERIFY(kept.open(QIODevice::ReadOnly));
        QCOMPARE(kept.readAll(), QByteArray("reader's"));

        // A program folder that is its own writes nothing elsewhere.
        FakePlatform beside(root.path());
        programfolders::takeShippedFiles(beside, {folders.shipped, folders.shipped});
        QVERIFY(beside.log.isEmpty());
    }

    void realChecksTellWhatTheFolderAllows()
    {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const FolderChecks checks = programfolders::realChecks();

        QVERIFY(!checks.holdsShippedFiles(dir.path()));
        QFile font(dir.filePath(QStringLiteral("ps_____r.ttf")));
        QVERIFY(font.open(QIODevice::WriteOnly));
        font.close();
        QVERIFY(checks.holdsShippedFiles(dir.path()));

        QVERIFY(checks.readersOwn(dir.path()));
        // Asking leaves nothing behind in the reader's folder.
        QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
                 QStringList{QStringLiteral("ps_____r.ttf")});
        QVERIFY(!checks.readersOwn(dir.filePath(QStringLiteral("missing"))));

        // A folder the user may write to but does not own is a package's
        // or a shared one: root's /usr/share, everyone's /tmp.
        QVERIFY(!checks.readersOwn(QStringLiteral("/usr/share")));
        if (::geteuid() == 0) {
            QTemporaryDir others;
            QVERIFY(::chown(QFile::encodeName(others.path()).constData(), 65534, 65534) == 0);
            QVERIFY(!checks.readersOwn(others.path()));
            QVERIFY(::chown(QFile::encodeName(others.path()).constData(), 0, 0) == 0);
            return; // permission bits do not stop root
        }
        QVERIFY(!checks.readersOwn(QStringLiteral("/tmp")));
        QVERIFY(QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::ExeOwner));
        const bool written = checks.readersOwn(dir.path());
        QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QVERIFY(!written);
    }
};

QTEST_GUILESS_MAIN(TestProgramFolders)
#include "tst_programfolders.moc"
