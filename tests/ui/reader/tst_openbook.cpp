// The reading window as the reader uses it: the first spread after
// opening, turning with the two buttons, and leaving the program.
#include "app/Forms.h"
#include "core/book/BookTables.h"
#include "ui/common/ClickLabel.h"
#include "ui/reader/OpenBook.h"
#include "core/book/PageStore.h"
#include "support/TestProgram.h"

#include <QAccessible>
#include <QApplication>
#include <QFile>
#include <QMenuBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

class TestOpenBook : public QObject
{
    Q_OBJECT

    OpenBook *w = nullptr;
    std::unique_ptr<TestProgram> program;

    void writeIni(const QByteArray &content)
    {
        program->restart();
        program->write(QStringLiteral("program.ini"), content);
        w = program->forms->openBook();
    }
    static QColor colourOf(QWidget *label) { return label->palette().color(QPalette::WindowText); }

    void expectSpread(int p)
    {
        QCOMPARE(w->currentPage(), p);
        QCOMPARE(part<ClickLabel>(w, "txtleft")->text(), *bookdata::LoadPageText(p));
        QCOMPARE(part<ClickLabel>(w, "txtright")->text(), *bookdata::LoadPageText(p + 1));
        QCOMPARE(part<QLabel>(w, "leftNum")->text(), QStringLiteral(" %1").arg(p));
        QCOMPARE(part<QLabel>(w, "rightNum")->text(), QStringLiteral(" %1").arg(p + 1));
        QCOMPARE(part<ClickLabel>(w, "zleft")->text(), bookdata::titleRow(p)->left);
        QCOMPARE(part<ClickLabel>(w, "zright")->text(), bookdata::titleRow(p)->right);
        QCOMPARE(part<ClickLabel>(w, "lblback")->isHidden(), p == 1);
        QCOMPARE(part<ClickLabel>(w, "lblnext")->isHidden(), p == 165);
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

    void opensOnTheFirstSpread();
    void layoutFollowsTheBook();
    void turnsForwardToTheLastSpread();
    void turnsBackToTheFirstSpread();
    void jumpFromLastToFirstRestoresButtons();
    void titlesKeepTheirTextOnAnEvenPage();
    void keyboardTurnsOnlyWhereAButtonIs();
    void everythingOnThePageIsReadable();
    void closingEndsTheProgram();
    void noSettingsFileGivesTheBooksOwnLook();
    void settingsFileRestylesAllFourLabels();
    void unusableValuesFallBackOneByOne_data();
    void unusableValuesFallBackOneByOne();
    void storedStyleIsNotRead();
};

void TestOpenBook::noSettingsFileGivesTheBooksOwnLook()
{
    for (QWidget *label : {static_cast<QWidget *>(part<ClickLabel>(w, "txtleft")),
                           static_cast<QWidget *>(part<ClickLabel>(w, "txtright")),
                           static_cast<QWidget *>(part<ClickLabel>(w, "zleft")),
                           static_cast<QWidget *>(part<ClickLabel>(w, "zright"))}) {
        QCOMPARE(label->font().family(), QStringLiteral("PresentScript"));
        QCOMPARE(label->font().pointSizeF(), 14.0);
        QCOMPARE(colourOf(label), QColor(Qt::black));
    }
    QVERIFY(part<ClickLabel>(w, "zleft")->font().bold());
    const ReadingStyle style = w->readingStyle();
    QCOMPARE(*style.family, QStringLiteral("PresentScript"));
    QCOMPARE(*style.pointSize, 14.0f);
    QCOMPARE(*style.colour, 0);
    QCOMPARE(w->LanguageModulePath(), program->path(QStringLiteral("language/eng.lng")));
}

void TestOpenBook::settingsFileRestylesAllFourLabels()
{
    // Written by the font dialog as [General]; read as general.
    writeIni("[General]\r\nFont=Liberation Sans\r\nFontSize=20\r\n[FontColor]\r\nForeColor=255\r\n"
             "[Interface]\r\nlanguage=/somewhere/else/rus.lng\r\n");
    for (ClickLabel *label : {part<ClickLabel>(w, "txtleft"), part<ClickLabel>(w, "txtright"),
                              part<ClickLabel>(w, "zleft"), part<ClickLabel>(w, "zright")}) {
        QCOMPARE(label->font().family(), QStringLiteral("Liberation Sans"));
        QCOMPARE(label->font().pointSizeF(), 20.0);
        QCOMPARE(colourOf(label), QColor(255, 0, 0));
    }
    QVERIFY(part<ClickLabel>(w, "zleft")->font().bold() && part<ClickLabel>(w, "zright")->font().bold());
    QVERIFY(!part<ClickLabel>(w, "txtleft")->font().bold());
    QCOMPARE(w->LanguageModulePath(), QStringLiteral("/somewhere/else/rus.lng"));

    writeIni("[FontColor]\nForeColor=16711680\n");
    QCOMPARE(colourOf(part<ClickLabel>(w, "txtright")), QColor(0, 0, 255));
}

void TestOpenBook::unusableValuesFallBackOneByOne_data()
{
    QTest::addColumn<QByteArray>("ini");
    QTest::addColumn<double>("size");
    QTest::addColumn<QColor>("colour");
    QTest::newRow("size not a number")
        << QByteArray("[general]\nFontSize=big\n[FontColor]\nForeColor=255\n") << 14.0 << QColor(255, 0, 0);
    QTest::newRow("size zero") << QByteArray("[general]\nFontSize=0\n") << 14.0 << QColor(Qt::black);
    QTest::newRow("size too large") << QByteArray("[general]\nFontSize=5000\n") << 14.0 << QColor(Qt::black);
    QTest::newRow("fractional size") << QByteArray("[general]\nFontSize=11.5\n") << 11.5 << QColor(Qt::black);
    QTest::newRow("colour negative") << QByteArray("[general]\nFontSize=9\n[FontColor]\nForeColor=-5\n")
                                     << 9.0 << QColor(Qt::black);
    QTest::newRow("colour too large")
        << QByteArray("[FontColor]\nForeColor=16777216\n") << 14.0 << QColor(Qt::black);
    QTest::newRow("colour words") << QByteArray("[FontColor]\nForeColor=red\n") << 14.0 << QColor(Qt::black);
}

void TestOpenBook::unusableValuesFallBackOneByOne()
{
    QFETCH(QByteArray, ini);
    QFETCH(double, size);
    QFETCH(QColor, colour);
    writeIni(ini);
    QCOMPARE(part<ClickLabel>(w, "txtleft")->font().pointSizeF(), size);
    QCOMPARE(part<ClickLabel>(w, "zright")->font().pointSizeF(), size);
    QCOMPARE(colourOf(part<ClickLabel>(w, "txtleft")), colour);
    // The rest of the load still ran: the book is open on its first spread.
    QCOMPARE(part<ClickLabel>(w, "txtleft")->text(), *bookdata::LoadPageText(1));
    QCOMPARE(part<QLabel>(w, "leftNum")->text(), QStringLiteral(" 1"));
    // And the file keeps what the reader wrote.
    QCOMPARE(program->read(QStringLiteral("program.ini")), ini);
}

void TestOpenBook::storedStyleIsNotRead()
{
    writeIni("[General]\nBold=Bold Italic\nFont=" + QByteArray(300, 'F') + "\n");
    QVERIFY(!part<ClickLabel>(w, "txtleft")->font().bold());
    QVERIFY(!part<ClickLabel>(w, "txtleft")->font().italic());
    QCOMPARE(w->readingStyle().family->size(), 254);
}

void TestOpenBook::opensOnTheFirstSpread()
{
    expectSpread(1);
    QCOMPARE(part<ClickLabel>(w, "zleft")->text(), QStringLiteral("***"));
    QCOMPARE(part<ClickLabel>(w, "zright")->text(), QStringLiteral("***"));
    QCOMPARE(w->windowTitle(), QStringLiteral("Арвий Квиллборн - Избранное"));
}

void TestOpenBook::layoutFollowsTheBook()
{
    QCOMPARE(w->centralWidget()->size(), QSize(717, 487));
    QVERIFY(!(w->windowFlags() & Qt::WindowMaximizeButtonHint));
    QCOMPARE(part<ClickLabel>(w, "txtleft")->geometry(), QRect(16, 64, 321, 361));
    QCOMPARE(part<ClickLabel>(w, "txtright")->geometry(), QRect(368, 64, 329, 361));
    QVERIFY(part<ClickLabel>(w, "zleft")->font().bold());
    QVERIFY(!part<ClickLabel>(w, "txtleft")->font().bold());
    QCOMPARE(part<ClickLabel>(w, "txtleft")->font().family(), QStringLiteral("PresentScript"));
    QCOMPARE(part<ClickLabel>(w, "txtleft")->font().pointSize(), 14);
    QCOMPARE(part<ClickLabel>(w, "lblback")->text(), QStringLiteral("Предыдущее"));
    QCOMPARE(part<ClickLabel>(w, "lblnext")->text(), QStringLiteral("Следующее"));
    QCOMPARE(part<ClickLabel>(w, "lblnext")->cursor().shape(), Qt::BitmapCursor);
    // Page texts are centred line by line; the picture is really there.
    QVERIFY(part<ClickLabel>(w, "txtleft")->alignment() & Qt::AlignHCenter);
    QVERIFY(!part<ClickLabel>(w, "Picture1")->pixmap().isNull());
    QCOMPARE(part<ClickLabel>(w, "Picture1")->pixmap().deviceIndependentSize().toSize(), QSize(715, 482));
    // Before any language is applied the window wears its design captions.
    OpenBook design(*program->env);
    const QStringList menus = {QStringLiteral("Меню"), QStringLiteral("Закладки"),
                               QStringLiteral("О программе")};
    QStringList bar;
    for (QAction *a : design.menuBar()->actions())
        bar << a->text();
    QCOMPARE(bar, menus);
    QCOMPARE(part<QAction>(&design, "ogl")->text(), QStringLiteral("Оглавление"));
    QCOMPARE(part<QAction>(&design, "mnuExit")->text(), QStringLiteral("Выход"));
    QCOMPARE(part<QAction>(&design, "FindTx")->text(), QString());
}

void TestOpenBook::turnsForwardToTheLastSpread()
{
    w->TurnToPage(163);
    expectSpread(163);
    QTest::mouseClick(part<ClickLabel>(w, "lblnext"), Qt::LeftButton);
    expectSpread(165);
    // Pressing the (now hidden) button's handler at the end changes nothing.
    w->lblnext_Click();
    expectSpread(165);

    // And all the way from the start: 82 turns reach the last spread.
    w->TurnToPage(1);
    for (int i = 0; i < 82; ++i)
        QTest::mouseClick(part<ClickLabel>(w, "lblnext"), Qt::LeftButton);
    expectSpread(165);
}

void TestOpenBook::turnsBackToTheFirstSpread()
{
    w->TurnToPage(3);
    QTest::mouseClick(part<ClickLabel>(w, "lblback"), Qt::LeftButton);
    expectSpread(1);
    // The middle of the book shows both buttons.
    w->TurnToPage(83);
    expectSpread(83);
}

void TestOpenBook::jumpFromLastToFirstRestoresButtons()
{
    w->TurnToPage(165);
    expectSpread(165);
    w->TurnToPage(1);
    expectSpread(1);
}

void TestOpenBook::titlesKeepTheirTextOnAnEvenPage()
{
    // An even page or one past the book names no spread: the window stays
    // where it is, titles and all.
    w->TurnToPage(53);
    const QString left = part<ClickLabel>(w, "zleft")->text(), right = part<ClickLabel>(w, "zright")->text();
    QVERIFY(!w->TurnToPage(167));
    QCOMPARE(w->currentPage(), qint16(53));
    QCOMPARE(part<ClickLabel>(w, "zleft")->text(), left);
    QCOMPARE(part<ClickLabel>(w, "zright")->text(), right);
    QVERIFY(w->TurnToPage(2));
    expectSpread(1);
}

void TestOpenBook::keyboardTurnsOnlyWhereAButtonIs()
{
    QTest::keyClick(w, Qt::Key_PageUp); // no button back on the first spread
    expectSpread(1);
    QTest::keyClick(w, Qt::Key_PageDown);
    expectSpread(3);
    QTest::keyClick(w, Qt::Key_Left);
    expectSpread(1);
    w->TurnToPage(165);
    QTest::keyClick(w, Qt::Key_Right);
    expectSpread(165);
}

void TestOpenBook::everythingOnThePageIsReadable()
{
    for (QWidget *label : {static_cast<QWidget *>(part<ClickLabel>(w, "txtleft")),
                           static_cast<QWidget *>(part<ClickLabel>(w, "zright")),
                           static_cast<QWidget *>(part<QLabel>(w, "leftNum")),
                           static_cast<QWidget *>(part<ClickLabel>(w, "lblnext"))}) {
        QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(label);
        QVERIFY(iface);
        const QString spoken = iface->text(QAccessible::Name) + iface->text(QAccessible::Value);
        QVERIFY2(!spoken.trimmed().isEmpty(), qPrintable(label->objectName()));
    }
}

void TestOpenBook::closingEndsTheProgram()
{
    // The event loop must end by itself when the window closes; the
    // guard timer fails the test instead of hanging it.
    // The guard dies with this function: once the loop has ended it must
    // not fire into a later test.
    bool guardFired = false;
    QTimer::singleShot(0, w, [this] { part<QAction>(w, "mnuExit")->trigger(); });
    QTimer guard;
    guard.setSingleShot(true);
    connect(&guard, &QTimer::timeout, this, [&] {
        guardFired = true;
        QCoreApplication::exit(1);
    });
    guard.start(5000);
    QCOMPARE(QApplication::exec(), 0);
    QVERIFY(!guardFired);
    QVERIFY(!TestProgram::loaded("OpenBook"));
}

QTEST_MAIN(TestOpenBook)
#include "tst_openbook.moc"
