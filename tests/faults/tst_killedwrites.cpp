// The program killed in the middle of writing, over and over: afterwards
// each file is the old one or a new one, never a mix and never empty.
#include "core/bookmarks/BookmarkFile.h"
#include "core/settings/Profile.h"

#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>

class TestKilledWrites : public QObject
{
    Q_OBJECT

    QTemporaryDir dir;

    static QByteArray read(const QString &path)
    {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    // True when the whole text is one character repeated `length` times.
    static bool oneRound(const QString &text, qsizetype length)
    {
        return text.size() == length && text.count(text.at(0)) == length;
    }

private Q_SLOTS:
    void everyKillLeavesAWholeFile_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::newRow("program.ini") << QStringLiteral("settings");
        QTest::newRow("kvibmark.dat") << QStringLiteral("bookmarks");
        QTest::newRow("a saved poem") << QStringLiteral("text");
    }
    void everyKillLeavesAWholeFile()
    {
        QFETCH(QString, kind);
        const QString path = dir.filePath(kind);
        const QByteArray first = kind == QLatin1String("settings")
                                     ? "; the reader's own line\r\n[general]\r\nFont=first\r\nFontSize=14\r\n"
                                     : QByteArray("first");
        const QString driver = QCoreApplication::applicationDirPath() + QStringLiteral("/kv_write_driver");
        QRandomGenerator random(20261207);
        // Kills that came after a write had finished. Each must find that
        // write's content; without them the test could pass on a driver
        // that never changes the file.
        int renewed = 0;
        for (int i = 0; i < 70; ++i) {
            // Every child starts from the first file, so what it finished
            // can be told from what was there before.
            {
                QFile f(path);
                QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
                f.write(first);
            }
            QProcess child;
            child.start(driver, {kind, path});
            QVERIFY(child.waitForStarted(10000));
            // Let it reach a write, sometimes a few, then strike at a
            // random moment within the next few milliseconds.
            const int writes = int(random.bounded(3)) + 1;
            int seen = 0;
            while (seen < writes && child.waitForReadyRead(10000))
                seen += child.readAll().count('w');
            QElapsedTimer t;
            t.start();
            const qint64 wait = random.bounded(4000) * 1000;
            while (t.nsecsElapsed() < wait) {
            }
            ::kill(pid_t(child.processId()), SIGKILL);
            QVERIFY(child.waitForFinished(10000));
            QCOMPARE(child.exitStatus(), QProcess::CrashExit);

            const QByteArray bytes = read(path);
            QVERIFY2(!bytes.isEmpty(), "an empty file after a kill");
            // The second "w" comes only after the first write returned.
            if (seen >= 2) {
                QVERIFY2(bytes != first, "a finished write is not in the file");
                ++renewed;
            }
            if (kind == QLatin1String("settings")) {
                // The reader's own lines are all there, and Font is one
                // whole round's value or the first one.
                QVERIFY(bytes.startsWith("; the reader's own line\r\n[general]\r\nFont="));
                QVERIFY(bytes.endsWith("\r\nFontSize=14\r\n"));
                const QString font =
                    profile::readString(QStringLiteral("general"), QStringLiteral("Font"), {}, path, 1 << 20);
                QVERIFY2(font == QLatin1String("first") || oneRound(font, 40000), "a mixed value");
            } else if (kind == QLatin1String("bookmarks")) {
                if (bytes == first)
                    continue;
                const QStringList entries = bookmarks::parse(bytes);
                QCOMPARE(entries.size(), 4000);
                const QChar round = entries.first().at(0);
                for (int e = 0; e < entries.size(); ++e)
                    QCOMPARE(entries[e], QString(3, round) + QString::number(e));
            } else {
                const QString text = QString::fromUtf8(bytes);
                QVERIFY2(text == QLatin1String("first") || oneRound(text, 120000), "a mixed text");
            }
        }
        // The seed asks for two or three writes in most rounds.
        QVERIFY2(renewed >= 35, qPrintable(QString::number(renewed)));
        // A kill between Qt's link of the finished temporary file and its
        // rename may leave that temporary beside the file: a whole copy
        // under another name, never in the reader's file.
        for (const QString &other : QDir(dir.path()).entryList({kind + QStringLiteral(".*")}, QDir::Files))
            QVERIFY2(QRegularExpression(QStringLiteral("^%1\\.\\w{6}$").arg(kind)).match(other).hasMatch(),
                     qPrintable(other));
    }
};

QTEST_GUILESS_MAIN(TestKilledWrites)
#include "tst_killedwrites.moc"
