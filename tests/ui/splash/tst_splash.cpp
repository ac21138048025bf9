// The splash screen as the reader meets it: it fades in to 228 and stops,
// opens the book on a click, Enter or Esc, and refuses a second copy.
#include "ui/splash/Fade.h"
#include "app/Forms.h"
#include "ui/splash/Splash.h"
#include "ui/common/ClickLabel.h"
#include "ui/reader/OpenBook.h"
#include "support/TestProgram.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

class TestSplash : public QObject
{
    Q_OBJECT

    std::unique_ptr<TestProgram> program;
    FakePlatform *os = nullptr;

    // Whether the cover is painted at `level` of 255, read from its
    // pixels: the window itself is see-through, so this is what the desktop
    // shows of it. Painting rounds opacity x 255 down, so a level may show
    // as one below itself.
    static bool paintedAt(QWidget *w, int level)
    {
        const QImage painted = w->grab().toImage();
        const int alpha = qAlpha(painted.pixel(painted.rect().center()));
        return alpha == level || alpha == level - 1;
    }

private Q_SLOTS:
    void init()
    {
        program = std::make_unique<TestProgram>();
        os = program->os.get();
    }
    void cleanup() { program.reset(); }

    void fadesFromTenThroughZeroToTwoTwentyEight()
    {
        book *s = program->forms->splash();
        QVERIFY(s);
        QVERIFY(paintedAt(s, 10));
        QVERIFY(s->trmLoad->isActive());
        for (int level = 0; level <= 228; level += 4) {
            QVERIFY(s->trmLoad->isActive());
            s->trmLoad_Timer();
            QVERIFY2(paintedAt(s, level), qPrintable(QString::number(level)));
        }
        QCOMPARE(s->FadeLevel, quint8(228));
        QVERIFY(!s->trmLoad->isActive());
    }

    void fadeRunsOnItsOwnTimerInAboutASecond()
    {
        book *s = program->forms->splash();
        // The first tick starts the clock: the timer was started by the load.
        QElapsedTimer clock;
        int ticks = 0;
        const auto counting = connect(s->trmLoad, &QTimer::timeout, this, [&] {
            if (ticks++ == 0)
                clock.start();
        });
        s->show();
        QVERIFY(QTest::qWaitFor([s] { return !s->trmLoad->isActive(); }, 5000));
        QVERIFY(paintedAt(s, 228));
        // Levels 0, 4 ... 228, one a tick; a precise timer never fires early,
        // so the 57 gaps of 15 or 16 ms take at least 855 ms, however busy
        // the machine. A timer of 1 ms would be done in a tenth of that.
        QCOMPARE(ticks, 58);
        QVERIFY2(clock.elapsed() >= 800, qPrintable(QString::number(clock.elapsed())));
        disconnect(counting);
        // Ticks alternate 15 and 16 ms: 64 of them make one second.
        int sum = 0;
        for (int i = 0; i < 64; ++i)
            sum += systemTickInterval(i);
        QCOMPARE(sum, 1000);
    }

    void keysThatOpenTheBook_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<bool>("opens");
        QTest::newRow("Enter") << int(Qt::Key_Return) << true;
        QTest::newRow("keypad Enter") << int(Qt::Key_Enter) << true;
        QTest::newRow("Esc") << int(Qt::Key_Escape) << true;
        QTest::newRow("Space") << int(Qt::Key_Space) << false;
        QTest::newRow("a letter") << int(Qt::Key_A) << false;
    }
    void keysThatOpenTheBook()
    {
        QFETCH(int, key);
        QFETCH(bool, opens);
        book *s = program->forms->splash();
        s->show();
        s->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(s));
        // The cover picture has the focus, as at start; the key goes to it.
        s->Pic->setFocus();
        QWidget *focused = QApplication::focusWidget();
        QCOMPARE(focused, static_cast<QWidget *>(s->Pic));
        QTest::keyClick(focused, Qt::Key(key));
        QCOMPARE(TestProgram::loaded("OpenBook"), opens);
        QCOMPARE(TestProgram::loaded("book"), !opens);
        if (opens)
            QVERIFY(program->forms->openBook()->isVisible());
    }

    void clickDuringTheFadeOpensTheBook()
    {
        book *s = program->forms->splash();
        s->show();
        s->trmLoad_Timer();
        QTest::mouseClick(s->Pic, Qt::LeftButton);
        QVERIFY(TestProgram::loaded("OpenBook"));
        QCOMPARE(program->forms->openBook()->currentPage(), qint16(1));
        QVERIFY(!TestProgram::loaded("book"));
    }

    void secondCopyIsRefused()
    {
        os->otherCopy = true;
        QVERIFY(!program->forms->splash());
        QCOMPARE(os->fakePrompts.messages.size(), 1);
        QCOMPARE(os->fakePrompts.messages[0].text, QStringLiteral("Программа уже запущена"));
        QCOMPARE(os->fakePrompts.messages[0].title, QStringLiteral("Kvillborn"));
        QCOMPARE(os->fakePrompts.messages[0].icon, platform::Icon::None);
        QVERIFY(!TestProgram::loaded("OpenBook"));
    }
};

QTEST_MAIN(TestSplash)
#include "tst_splash.moc"
