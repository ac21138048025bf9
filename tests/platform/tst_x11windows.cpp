// Finding another program's window by its title on a real X server: the
// running-copy test of start-up. Runs its own Xvfb so it needs no display.
#include "core/startup/Startup.h"
#include "platform/LinuxPlatform.h"
#include "support/FakePlatform.h"

#include <QApplication>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>

// The real window services with recorded prompts and raises.
class X11WithFakePrompts : public FakePlatform
{
public:
    platform::LinuxPlatform real;
    QList<std::uint32_t> raised;
    QList<platform::TopWindow> topLevelWindows() override { return real.topLevelWindows(); }
    void restoreAndRaise(std::uint32_t id) override
    {
        raised << id;
        real.restoreAndRaise(id);
    }
};

class TestX11Windows : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void findsAndRaisesATitledWindow()
    {
        QWidget other;
        other.setWindowTitle(QStringLiteral("Заметки - арвий КВИЛЛБОРН - избранное 0.4"));
        other.show();
        QVERIFY(QTest::qWaitForWindowExposed(&other));
        QWidget unrelated;
        unrelated.setWindowTitle(QStringLiteral("Арвий Квиллборн - Избранное"));
        unrelated.show();
        QVERIFY(QTest::qWaitForWindowExposed(&unrelated));

        X11WithFakePrompts os;
        const auto titles = os.topLevelWindows();
        QVERIFY(std::any_of(titles.begin(), titles.end(),
                            [&](const platform::TopWindow &w) { return w.title == other.windowTitle(); }));

        QTemporaryDir tmp;
        const auto outcome =
            startup::Main(os, {tmp.path(), tmp.path()}, QStringLiteral("Арвий Квиллборн - Избранное 0.4"),
                          [] { return true; });
        QCOMPARE(outcome, startup::Outcome::RunningCopy);
        QCOMPARE(os.raised, QList<std::uint32_t>{std::uint32_t(other.winId())});
        QCOMPARE(os.fakePrompts.messages.size(), 1);
        QCOMPARE(os.fakePrompts.messages[0].title, QStringLiteral("Error..."));
        QVERIFY(other.isVisible());
    }

    void noWindowNoCopy()
    {
        X11WithFakePrompts os;
        QVERIFY(!startup::FindRunningInstance(os, QStringLiteral("no window has this title 9f3a")));
        QVERIFY(os.raised.isEmpty());
    }
};

int main(int argc, char *argv[])
{
    // A private X server: the test must see real X11 windows.
    QProcess xvfb;
    xvfb.setProcessChannelMode(QProcess::SeparateChannels);
    xvfb.start(QStringLiteral("Xvfb"),
               {QStringLiteral("-displayfd"), QStringLiteral("1"), QStringLiteral("-screen"),
                QStringLiteral("0"), QStringLiteral("800x600x24"), QStringLiteral("-nolisten"),
                QStringLiteral("tcp")});
    if (!xvfb.waitForStarted(10000) || !xvfb.waitForReadyRead(10000)) {
        qCritical("Xvfb could not be started: install the xvfb package");
        return 1;
    }
    const QByteArray display = ":" + xvfb.readLine().trimmed();
    qputenv("DISPLAY", display);
    qputenv("QT_QPA_PLATFORM", "xcb");
    int rc = 0;
    {
        QApplication app(argc, argv);
        TestX11Windows test;
        rc = QTest::qExec(&test, argc, argv);
    }
    xvfb.terminate();
    xvfb.waitForFinished(5000);
    return rc;
}
#include "tst_x11windows.moc"
