// Wheel and touchpad turning: one spread per wheel message, a held key or
// an odd distance repeats the last direction, and fine movement adds up
// to whole notches before anything turns.
#include "app/Forms.h"
#include "ui/common/ClickLabel.h"
#include "ui/reader/OpenBook.h"
#include "core/book/Wheel.h"
#include "ui/common/WheelHook.h"
#include "support/TestProgram.h"

#include <QTemporaryDir>
#include <QTest>
#include <QWheelEvent>

class TestWheel : public QObject
{
    Q_OBJECT

    std::unique_ptr<TestProgram> program;
    OpenBook *w = nullptr;

    void roll(int deltaY, Qt::KeyboardModifiers keys = Qt::NoModifier,
              Qt::MouseButtons buttons = Qt::NoButton)
    {
        const QPointF at(100, 100);
        QWheelEvent event(at, w->mapToGlobal(at), QPoint(), QPoint(0, deltaY), buttons, keys,
                          Qt::NoScrollPhase, false);
        QCoreApplication::sendEvent(w, &event);
    }
    void goTo(int page) { w->TurnToPage(static_cast<qint16>(page)); }

private Q_SLOTS:
    void init()
    {
        program = std::make_unique<TestProgram>();
        w = program->forms->openBook();
    }
    void cleanup() { program.reset(); }

    void messagesBecomeDirections_data()
    {
        QTest::addColumn<quint32>("wParam");
        QTest::addColumn<int>("last");
        QTest::addColumn<int>("direction");
        QTest::newRow("one notch towards the reader") << 0xFF880000u << 0 << 1;
        QTest::newRow("two towards") << 0xFF100000u << -1 << 1;
        QTest::newRow("three towards") << 0xFE980000u << 0 << 1;
        QTest::newRow("one away") << 0x00780000u << 1 << -1;
        QTest::newRow("two away") << 0x00F00000u << 0 << -1;
        QTest::newRow("three away") << 0x01680000u << 0 << -1;
        QTest::newRow("Ctrl held keeps the last") << (0xFF880000u | wheel::MK_CONTROL) << -1 << -1;
        QTest::newRow("Shift held, nothing before") << (0x00780000u | wheel::MK_SHIFT) << 0 << 0;
        QTest::newRow("four notches keep the last") << 0xFE200000u << 1 << 1;
        QTest::newRow("a fine distance keeps the last") << 0x00400000u << -1 << -1;
    }
    void messagesBecomeDirections()
    {
        QFETCH(quint32, wParam);
        QFETCH(int, last);
        QFETCH(int, direction);
        QCOMPARE(int(wheel::directionFor(wParam, qint16(last))), direction);
    }

    void smallDeltasAddUpToWholeNotches()
    {
        wheel::NotchAccumulator acc;
        QVERIFY(!acc.add(-40, 0));
        QVERIFY(!acc.add(-40, 0));
        QCOMPARE(acc.add(-50, 0), std::optional<quint32>(0xFF880000u)); // 130: one notch, 10 left
        QVERIFY(!acc.add(-100, 0));
        QCOMPARE(acc.add(-10, wheel::MK_SHIFT), std::optional<quint32>(0xFF880000u | wheel::MK_SHIFT));
        QVERIFY(!acc.add(60, 0)); // reversing drops what was left the other way
        QCOMPARE(acc.add(60, 0), std::optional<quint32>(0x00780000u));
        QCOMPARE(acc.add(240, 0), std::optional<quint32>(0x00F00000u));
    }

    void notchesTurnOneSpreadEach()
    {
        roll(-120);
        QCOMPARE(w->currentPage(), qint16(3));
        roll(120);
        QCOMPARE(w->currentPage(), qint16(1));
        roll(120); // nothing before the first spread
        QCOMPARE(w->currentPage(), qint16(1));
        roll(-360); // three notches in one message: one spread
        QCOMPARE(w->currentPage(), qint16(3));
    }

    void lastSpreadOnlyHidesNext()
    {
        goTo(165);
        roll(-120);
        QCOMPARE(w->currentPage(), qint16(165));
        QVERIFY(part<ClickLabel>(w, "lblnext")->isHidden());
        QVERIFY(!part<ClickLabel>(w, "lblback")->isHidden());
    }

    void heldKeyRepeatsTheLastDirection()
    {
        roll(120, Qt::ControlModifier); // first message with a key: same spread again
        QCOMPARE(w->currentPage(), qint16(1));
        roll(-120);
        QCOMPARE(w->currentPage(), qint16(3));
        roll(120, Qt::ControlModifier); // moved away, but Ctrl repeats "forward"
        QCOMPARE(w->currentPage(), qint16(5));
        roll(120, Qt::NoModifier, Qt::LeftButton);
        QCOMPARE(w->currentPage(), qint16(7));
    }

    void touchpadRunTurnsOncePerNotch()
    {
        for (int i = 0; i < 12; ++i) // 12 x 20 = two notches' worth
            roll(-20);
        QCOMPARE(w->currentPage(), qint16(5));
        roll(-15);
        QCOMPARE(w->currentPage(), qint16(5));
    }
};

QTEST_MAIN(TestWheel)
#include "tst_wheel.moc"
