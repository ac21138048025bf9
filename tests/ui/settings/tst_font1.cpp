// The font-and-colour dialog as the reader uses it: it opens on the
// pages' current look, tries changes on the sample, applies them to the
// pages and keeps them for the next start.
#include "app/Forms.h"
#include "ui/common/ClickLabel.h"
#include "ui/reader/OpenBook.h"
#include "core/settings/Profile.h"
#include "ui/settings/font1.h"
#include "support/TestProgram.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTest>

class TestFont1 : public QObject
{
    Q_OBJECT

    std::unique_ptr<TestProgram> program;
    OpenBook *w = nullptr;
    font1 *d = nullptr;

    void start(const QByteArray &ini = {})
    {
        program->write(QStringLiteral("program.ini"), ini);
        w = program->forms->openBook();
        d = program->forms->font1();
        // Opened from the menu, as the reader sees it.
        program->forms->run(Command::FontDialog);
    }
    QString ini() const { return program->path(QStringLiteral("program.ini")); }
    static QColor colourOf(QWidget *label) { return label->palette().color(QPalette::WindowText); }

private Q_SLOTS:
    void init() { program = std::make_unique<TestProgram>(); }
    void cleanup() { program.reset(); }

    void opensOnThePagesLook()
    {
        start("[general]\r\nFontSize=16\r\n[FontColor]\r\nForeColor=32768\r\n");
        QCOMPARE(d->cmbFont[0]->currentText(), QStringLiteral("PresentScript"));
        QCOMPARE(d->cmbFont[1]->currentText(), QStringLiteral("Regular"));
        QCOMPARE(d->cmbFont[2]->currentText(), QStringLiteral("16"));
        QVERIFY(!d->chkUnderline->isChecked());
        QVERIFY(!d->chkStrikethru->isChecked());
        QCOMPARE(d->sampleColour(), 32768);
        QCOMPARE(d->txtPreview->text(), font1::SampleText);
        QCOMPARE(d->txtPreview->font().family(), QStringLiteral("PresentScript"));
        QVERIFY(!d->cmdFontApply->isEnabled());
        QVERIFY(screenFonts().contains(QStringLiteral("Times New Roman")));
    }

    void typefacesAreListedWhenFirstShown()
    {
        // Loaded hidden with the reading window, the dialog holds no list
        // of every typeface until the reader opens it ...
        program->write(QStringLiteral("program.ini"), "[general]\r\nFont=Arial\r\nFontSize=12\r\n");
        w = program->forms->openBook();
        d = program->forms->font1();
        QCOMPARE(d->cmbFont[0]->count(), 0);
        // ... and then shows it as a load would have left it.
        program->forms->run(Command::FontDialog);
        QStringList listed;
        for (int i = 0; i < d->cmbFont[0]->count(); ++i)
            listed << d->cmbFont[0]->itemText(i);
        QCOMPARE(listed, screenFonts());
        QCOMPARE(d->cmbFont[0]->currentText(), QStringLiteral("Arial"));
        QCOMPARE(d->txtPreview->font().family(), QStringLiteral("Arial"));
        QCOMPARE(d->txtPreview->font().pointSize(), 12);
        QVERIFY(!d->cmdFontApply->isEnabled());
    }

    void applyBeforeTheFirstShowKeepsTheTypeface()
    {
        // The font dialog's Apply, reached before anyone opened it, keeps
        // the pages' typeface as it did when the list was filled at load.
        program->write(QStringLiteral("program.ini"), "[general]\r\nFont=Arial\r\n");
        w = program->forms->openBook();
        d = program->forms->font1();
        d->chkUnderline->setChecked(true);
        d->cmdFontApply->click();
        QCOMPARE(ReadIniString(QStringLiteral("general"), QStringLiteral("Font"), {}, ini()),
                 QStringLiteral("Arial"));
        QCOMPARE(ReadIniString(QStringLiteral("general"), QStringLiteral("Bold"), {}, ini()),
                 QStringLiteral("Regular"));
    }

    void sizeOutsideTheListLeavesItUnchosen()
    {
        start("[general]\r\nFontSize=11\r\n");
        QCOMPARE(d->cmbFont[2]->currentIndex(), -1);
        QCOMPARE(d->txtPreview->font().pointSize(), 11);
        // Apply then keeps the pages' size and never stores an empty one.
        d->cmbFont[1]->setCurrentText(QStringLiteral("Italic"));
        d->cmdFontApply->click();
        QCOMPARE(part<ClickLabel>(w, "txtleft")->font().pointSizeF(), 11.0);
        QCOMPARE(ReadIniString(QStringLiteral("general"), QStringLiteral("FontSize"), QStringLiteral("none"),
                               ini()),
                 QStringLiteral("11"));
        QVERIFY(part<ClickLabel>(w, "txtleft")->font().italic());
    }

    void typefaceOutsideTheListIsNeverStoredEmpty()
    {
        start("[general]\r\nFont=No Such Face At All\r\n");
        QCOMPARE(d->cmbFont[0]->currentIndex(), -1);
        d->cmbFont[2]->setCurrentText(QStringLiteral("18"));
        d->cmdFontApply->click();
        QCOMPARE(ReadIniString(QStringLiteral("general"), QStringLiteral("Font"), {}, ini()),
                 QStringLiteral("No Such Face At All"));
        QCOMPARE(part<ClickLabel>(w, "txtleft")->font().pointSizeF(), 18.0);
    }

    void choosingATypefaceResetsTheSample()
    {
        start();
        d->txtPreview->setText(QStringLiteral("something else"));
        d->cmbFont[0]->setCurrentText(QStringLiteral("Arial"));
        QCOMPARE(d->txtPreview->text(), font1::SampleText);
        QCOMPARE(d->txtPreview->font().family(), QStringLiteral("Arial"));
        QVERIFY(d->cmdFontApply->isEnabled());
    }

    void originalThenApply()
    {
        start("[FontColor]\r\nForeColor=255\r\n");
        d->chkUnderline->setChecked(true);
        d->cmdFontApply->click();
        QVERIFY(part<ClickLabel>(w, "txtleft")->font().underline());
        const QString titleFace = part<ClickLabel>(w, "zleft")->font().family();

        d->cmdFontOriginal->click();
        d->cmdFontApply->click();
        for (ClickLabel *page : {part<ClickLabel>(w, "txtleft"), part<ClickLabel>(w, "txtright")}) {
            QCOMPARE(page->font().family(), QStringLiteral("Times New Roman"));
            QVERIFY(!page->font().underline() && !page->font().strikeOut());
        }
        for (ClickLabel *label : {part<ClickLabel>(w, "txtleft"), part<ClickLabel>(w, "txtright"),
                                  part<ClickLabel>(w, "zleft"), part<ClickLabel>(w, "zright")}) {
            QVERIFY(label->font().bold());
            QCOMPARE(label->font().pointSizeF(), 14.0);
            QCOMPARE(colourOf(label), QColor(255, 0, 0));
        }
        QCOMPARE(part<ClickLabel>(w, "zleft")->font().family(), titleFace);
        QVERIFY(!d->cmdFontApply->isEnabled());
        const QByteArray file = program->read(QStringLiteral("program.ini"));
        QCOMPARE(file, QByteArray("[FontColor]\r\nForeColor=255\r\n[General]\r\nFont=Times New Roman\r\n"
                                  "FontSize=14\r\nBold=Bold\r\n"));
    }

    void colourDialog()
    {
        start();
        program->os->fakePrompts.colourAnswer = std::nullopt;
        d->color->click();
        QCOMPARE(d->sampleColour(), 0);
        QVERIFY(!d->cmdFontApply->isEnabled());
        program->os->fakePrompts.colourAnswer = 0xFF0000; // blue
        d->color->click();
        QCOMPARE(program->os->fakePrompts.colourDialogs, 2);
        d->cmdFontApply->click();
        QCOMPARE(colourOf(part<ClickLabel>(w, "zright")), QColor(0, 0, 255));
        QCOMPARE(ReadIniString(QStringLiteral("FontColor"), QStringLiteral("ForeColor"), {}, ini()),
                 QStringLiteral("16711680"));
    }

    void nextStartKeepsFaceSizeColourButNotStyle()
    {
        start();
        d->cmbFont[0]->setCurrentText(QStringLiteral("Arial"));
        d->cmbFont[1]->setCurrentText(QStringLiteral("Bold Italic"));
        d->cmbFont[2]->setCurrentText(QStringLiteral("12"));
        d->chkStrikethru->setChecked(true);
        program->os->fakePrompts.colourAnswer = 128; // dark red
        d->color->click();
        d->cmdFontApply->click();
        QVERIFY(part<ClickLabel>(w, "txtright")->font().strikeOut());

        program->restart();
        w = program->forms->openBook();
        for (ClickLabel *label : {part<ClickLabel>(w, "txtleft"), part<ClickLabel>(w, "txtright"),
                                  part<ClickLabel>(w, "zleft"), part<ClickLabel>(w, "zright")}) {
            QCOMPARE(label->font().family(), QStringLiteral("Arial"));
            QCOMPARE(label->font().pointSizeF(), 12.0);
            QCOMPARE(colourOf(label), QColor(128, 0, 0));
            QVERIFY(!label->font().italic() && !label->font().strikeOut());
        }
        QVERIFY(!part<ClickLabel>(w, "txtleft")->font().bold());
        QVERIFY(part<ClickLabel>(w, "zleft")->font().bold());
    }

    void settingsThatCannotBeKeptAreToldOnce()
    {
        start();
        // A folder where program.ini should be: no write can succeed.
        QVERIFY(QFile::remove(ini()));
        QVERIFY(QDir().mkpath(ini()));
        d->cmbFont[2]->setCurrentText(QStringLiteral("18"));
        d->chkUnderline->setChecked(true);
        d->cmdFontApply->click();
        // The pages take the choice all the same ...
        QCOMPARE(part<ClickLabel>(w, "txtleft")->font().pointSizeF(), 18.0);
        // ... and the reader hears once which file failed, and why.
        QCOMPARE(program->os->fakePrompts.messages.size(), 1);
        const Asked &told = program->os->fakePrompts.messages.first();
        QCOMPARE(told.title, QStringLiteral("Error..."));
        QCOMPARE(told.icon, platform::Icon::Critical);
        QVERIFY2(told.text.startsWith(QStringLiteral("Не удалось сохранить настройки в файл \"%1\":\r\n")
                                          .arg(QDir::toNativeSeparators(ini()))),
                 qPrintable(told.text));
        QVERIFY(told.text.size() > told.text.indexOf(QStringLiteral("\r\n")) + 2); // a reason follows
    }

    void dialogWorksWithoutTheReadingWindow()
    {
        // Built alone, as a test or another window would: it needs no
        // reading window and says what it applied through its signal,
        // without complaining about the size it has not been given.
        QTest::failOnWarning(QRegularExpression(QStringLiteral("Point size")));
        font1 alone(*program->env);
        alone.Form_Load(ReadingStyle{});
        QSignalSpy applied(&alone, &font1::applied);
        alone.cmbFont[2]->setCurrentText(QStringLiteral("16"));
        alone.cmdFontApply->click();
        QCOMPARE(applied.count(), 1);
        const auto style = applied.first().first().value<ReadingStyle>();
        QCOMPARE(style.pointSize, std::optional<float>(16.0f));
        QVERIFY(!TestProgram::loaded("OpenBook"));
    }

    void closeKeepsWhatWasAppliedAndWritesNothing()
    {
        start();
        d->cmbFont[2]->setCurrentText(QStringLiteral("8"));
        d->Command1->click();
        QCOMPARE(program->read(QStringLiteral("program.ini")), QByteArray());
        QCOMPARE(part<ClickLabel>(w, "txtleft")->font().pointSizeF(), 14.0);
    }
};

QTEST_MAIN(TestFont1)
#include "tst_font1.moc"
