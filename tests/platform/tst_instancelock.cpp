// The running-copy test: the first copy holds the claim for its whole
// life, a second is refused, and a copy that crashed blocks nobody.
#include "platform/LinuxPlatform.h"

#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QTest>

class TestInstanceLock : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { QFile::remove(platform::LinuxPlatform::instanceLockPath()); }
    void cleanup() { QFile::remove(platform::LinuxPlatform::instanceLockPath()); }

    void firstCopyHoldsSecondIsRefused()
    {
        platform::LinuxPlatform first;
        QVERIFY(!first.anotherInstanceRunning());
        QVERIFY(!first.anotherInstanceRunning()); // asking again does not lose the claim
        platform::LinuxPlatform second;
        QVERIFY(second.anotherInstanceRunning());
    }

    void crashedCopyLeavesNothingStuck()
    {
        // A lock left behind by a process that no longer exists.
        QProcess gone;
        gone.start(QStringLiteral("true"));
        QVERIFY(gone.waitForFinished());
        const qint64 deadPid = gone.processId() ? gone.processId() : 999999;
        QFile lock(platform::LinuxPlatform::instanceLockPath());
        QVERIFY(lock.open(QIODevice::WriteOnly));
        lock.write(QByteArray::number(deadPid) + "\nkvillborn\n" + QSysInfo::machineHostName().toUtf8() +
                   "\n");
        lock.close();

        platform::LinuxPlatform next;
        QVERIFY(!next.anotherInstanceRunning());
    }
};

QTEST_GUILESS_MAIN(TestInstanceLock)
#include "tst_instancelock.moc"
