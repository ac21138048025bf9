// Interface languages as a reader switches them: which module's captions
// show, what happens with broken or missing modules, and the chooser.
#include "app/Forms.h"
#include "ui/bookmarks/frmBMarks.h"
#include "core/language/Captions.h"
#include "core/language/LanguageModule.h"
#include "ui/language/frmLang.h"
#include "ui/common/ClickLabel.h"
#include "ui/reader/OpenBook.h"
#include "ui/search/frmFind.h"
#include "core/settings/Profile.h"
#include "ui/settings/font1.h"
#include "platform/LinuxPlatform.h"
#include "support/TestProgram.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

namespace {

// A module whose every caption key n reads "<tag> n", with `drop` left out
// and `overrides` replacing single keys.
QByteArray module(const QString &tag, QList<int> drop = {}, QMap<int, QString> overrides = {})
{
    QString text = QStringLiteral("[general]\r\nlang=%1\r\nAuthors=A. B.\r\n[Language1]\r\n").arg(tag);
    for (int key = 1; key <= 58; ++key) {
        if (drop.contains(key))
            continue;
        text += QStringLiteral("L%1=%2\r\n")
                    .arg(key)
                    .arg(overrides.value(key, tag + QStringLiteral(" %1").arg(key)));
    }
    return text.toUtf8();
}

} // namespace

class TestLanguage : public QObject
{
    Q_OBJECT

    std::unique_ptr<TestProgram> program;

    OpenBook *startWith(const QString &moduleFile)
    {
        program->write(QStringLiteral("program.ini"),
                       "[Interface]\r\nlanguage=" +
                           program->path(QStringLiteral("language/") + moduleFile).toUtf8() + "\r\n");
        return program->forms->openBook();
    }

private Q_SLOTS:
    void init()
    {
        program = std::make_unique<TestProgram>(false);
        program->write(QStringLiteral("language/eng.lng"), module(QStringLiteral("ENG")));
    }
    void cleanup() { program.reset(); }

    void firstApplicationCreatesTheDialogsInOrder()
    {
        startWith(QStringLiteral("eng.lng"));
        QCOMPARE(program->loadOrder,
                 (QStringList{QStringLiteral("OpenBook"), QStringLiteral("font1"), QStringLiteral("frmFind"),
                              QStringLiteral("frmBMarks"), QStringLiteral("frmLang")}));
        QVERIFY(!program->forms->font1()->isVisible());
        QVERIFY(!program->forms->frmLang()->isVisible());
    }

    void everyCaptionComesFromTheModule()
    {
        program->write(QStringLiteral("language/x.lng"), module(QStringLiteral("X")));
        OpenBook *w = startWith(QStringLiteral("x.lng"));
        QCOMPARE(part<QAction>(w, "ogl")->text(), QStringLiteral("X 3"));
        QCOMPARE(part<QMenu>(w, "mnu")->title(), QStringLiteral("X 2"));
        QCOMPARE(part<QAction>(w, "FindTx")->text(), QStringLiteral("X 5"));
        QCOMPARE(part<QAction>(w, "mmail")->text(), QStringLiteral("X 58"));
        QCOMPARE(part<QAction>(w, "about")->text(), QStringLiteral("X 17"));
        // One key, two captions.
        QCOMPARE(part<QAction>(w, "mnusrift")->text(), QStringLiteral("X 8"));
        QCOMPARE(program->forms->font1()->windowTitle(), QStringLiteral("X 8"));
        QCOMPARE(program->forms->font1()->cmdFontApply->text(), QStringLiteral("X 35"));
        QCOMPARE(program->forms->frmLang()->cmdApply->text(), QStringLiteral("X 35"));
        QCOMPARE(program->forms->font1()->Command1->text(), QStringLiteral("X 36"));
        QCOMPARE(program->forms->frmLang()->cmdCancel->text(), QStringLiteral("X 36"));
        QCOMPARE(program->forms->frmLang()->windowTitle(), QStringLiteral("X 18"));
        QCOMPARE(program->forms->font1()->lblSize->text(), QStringLiteral("X 44"));
        // Keys nobody reads change nothing; some captions never follow.
        QCOMPARE(part<QAction>(w, "sav_t")->text(), QStringLiteral("Сохранить"));
        QCOMPARE(part<ClickLabel>(w, "lblnext")->text(), QStringLiteral("Следующее"));
    }

    void everyCaptionOfTheTable_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("control"); // empty: the window's title
        QTest::addColumn<int>("key");
        const struct
        {
            const char *window;
            const char *control;
            int key;
        } table[] = {
            {"OpenBook", "ogl", 3},
            {"OpenBook", "mnu", 2},
            {"OpenBook", "mnusrift", 8},
            {"OpenBook", "mnuExit", 11},
            {"OpenBook", "bm", 12},
            {"OpenBook", "bmset", 14},
            {"OpenBook", "bml", 16},
            {"OpenBook", "about", 17},
            {"OpenBook", "FindTx", 5},
            {"OpenBook", "mmail", 58},
            {"font1", "cmdFontApply", 35},
            {"font1", "Command1", 36},
            {"font1", "cmdFontOriginal", 37},
            {"font1", "lblPreview", 38},
            {"font1", "chkUnderline", 39},
            {"font1", "chkStrikethru", 40},
            {"font1", "lblEffects", 41},
            {"font1", "lblFont", 42},
            {"font1", "lblStyle", 43},
            {"font1", "lblSize", 44},
            {"font1", "", 8},
            {"font1", "color", 51},
            {"frmFind", "", 22},
            {"frmFind", "lblFnd", 23},
            {"frmFind", "chkReg", 24},
            {"frmFind", "cmdFind", 25},
            {"frmFind", "cmdCancel", 26},
            {"frmBMarks", "", 27},
            {"frmBMarks", "cmdAdd", 28},
            {"frmBMarks", "cmdGo", 29},
            {"frmBMarks", "cmdRem", 30},
            {"frmBMarks", "cmdCancel", 31},
            {"frmFind", "cmds", 32},
            {"frmLang", "cmdApply", 35},
            {"frmLang", "cmdCancel", 36},
            {"frmLang", "", 18},
        };
        for (const auto &row : table)
            QTest::addRow("%s %s L%d", row.window, row.control, row.key)
                << QString::fromLatin1(row.window) << QString::fromLatin1(row.control) << row.key;
    }
    void everyCaptionOfTheTable()
    {
        QFETCH(QString, window);
        QFETCH(QString, control);
        QFETCH(int, key);
        // Every key of this module reads differently, so a caption taken
        // from the wrong key shows.
        program->write(QStringLiteral("language/x.lng"), module(QStringLiteral("X")));
        startWith(QStringLiteral("x.lng"));
        QWidget *w = nullptr;
        for (QWidget *top : QApplication::topLevelWidgets())
            if (top->objectName() == window)
                w = top;
        QVERIFY(w);
        QString shown;
        if (control.isEmpty()) {
            shown = w->windowTitle();
        } else {
            QObject *c = w->findChild<QObject *>(control);
            QVERIFY2(c, qPrintable(control));
            if (auto *menu = qobject_cast<QMenu *>(c))
                shown = menu->title();
            else if (auto *action = qobject_cast<QAction *>(c))
                shown = action->text();
            else if (auto *label = qobject_cast<QLabel *>(c))
                shown = label->text();
            else if (auto *button = qobject_cast<QAbstractButton *>(c))
                shown = button->text();
        }
        QCOMPARE(shown, QStringLiteral("X %1").arg(key));
    }

    void missingKeyGivesAnEmptyCaption()
    {
        program->write(QStringLiteral("language/x.lng"), module(QStringLiteral("X"), {37, 11}));
        OpenBook *w = startWith(QStringLiteral("x.lng"));
        QCOMPARE(program->forms->font1()->cmdFontOriginal->text(), QString());
        QCOMPARE(part<QAction>(w, "mnuExit")->text(), QString());
        QCOMPARE(part<QAction>(w, "ogl")->text(), QStringLiteral("X 3")); // no fall-back key by key
    }

    void unusableModuleFallsBackToEnglishWhole_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QByteArray>("content");
        QTest::newRow("empty L1") << QStringLiteral("x.lng")
                                  << module(QStringLiteral("X"), {}, {{1, QString()}});
        QTest::newRow("no L1") << QStringLiteral("x.lng") << module(QStringLiteral("X"), {1});
        QTest::newRow("no such file") << QStringLiteral("gone.lng") << QByteArray();
        QTest::newRow("not a module") << QStringLiteral("x.lng") << QByteArray("just some text\r\n");
    }
    void unusableModuleFallsBackToEnglishWhole()
    {
        QFETCH(QString, file);
        QFETCH(QByteArray, content);
        if (!content.isEmpty())
            program->write(QStringLiteral("language/") + file, content);
        OpenBook *w = startWith(file);
        QCOMPARE(part<QAction>(w, "ogl")->text(), QStringLiteral("ENG 3"));
        QCOMPARE(program->forms->frmLang()->windowTitle(), QStringLiteral("ENG 18"));
        // The path in use is not corrected.
        QVERIFY(w->LanguageModulePath().endsWith(file));
    }

    void movedProgramFolderUsesItsOwnEnglish()
    {
        program->write(QStringLiteral("program.ini"),
                       "[Interface]\r\nlanguage=/old/place/language/rus.lng\r\n");
        OpenBook *w = program->forms->openBook();
        QCOMPARE(part<QAction>(w, "ogl")->text(), QStringLiteral("ENG 3"));
        QCOMPARE(w->LanguageModulePath(), QStringLiteral("/old/place/language/rus.lng"));
    }

    void noEnglishEitherKeepsTheBuiltInCaptionsAndSaysWhy()
    {
        QFile::remove(program->path(QStringLiteral("language/eng.lng")));
        program->write(QStringLiteral("language/x.lng"), "[general]\r\nlang=X\r\n");
        OpenBook *w = startWith(QStringLiteral("x.lng"));
        // Blank menus would leave the reader nothing to click.
        QCOMPARE(part<QAction>(w, "ogl")->text(), QStringLiteral("Оглавление"));
        QCOMPARE(part<QMenu>(w, "mnu")->title(), QStringLiteral("Меню"));
        QCOMPARE(program->forms->font1()->windowTitle(), QStringLiteral("Шрифт и цвет"));
        // The dialogs still come into being at start, in their order.
        QCOMPARE(program->loadOrder, (QStringList{QStringLiteral("OpenBook"), QStringLiteral("font1"),
                                                  QStringLiteral("frmFind"), QStringLiteral("frmBMarks"),
                                                  QStringLiteral("frmLang")}));
        // Told once, however often the language is applied.
        QCOMPARE(program->os->fakePrompts.messages.size(), 1);
        QCOMPARE(program->os->fakePrompts.messages[0].title, QStringLiteral("Ошибка интерфейса..."));
        QVERIFY(program->os->fakePrompts.messages[0].text.contains(QStringLiteral("x.lng")));
    }

    void windows1251ModuleReads()
    {
        program->write(QStringLiteral("language/old.lng"),
                       "[Language1]\r\nL1=\xD0\xF3\xF1\xF1\xEA\xE8\xE9\r\nL3="
                       "\xCE\xE3\xEB\xE0\xE2\xEB\xE5\xED\xE8\xE5\r\n");
        OpenBook *w = startWith(QStringLiteral("old.lng"));
        QCOMPARE(part<QAction>(w, "ogl")->text(), QStringLiteral("Оглавление"));
    }

    void reopenedDialogReappliesItsLanguage()
    {
        startWith(QStringLiteral("eng.lng"));
        program->forms->font1()->Command1_Click();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!TestProgram::loaded("font1"));
        QCOMPARE(program->forms->font1()->cmdFontOriginal->text(), QStringLiteral("ENG 37"));
    }

    void shippedModulesAreComplete()
    {
        const QDir shipped(qEnvironmentVariable("KV_SOURCE_DIR") + QStringLiteral("/content/language"));
        const QStringList expected = {QStringLiteral("5.lng"),  QStringLiteral("bel.lng"),
                                      QStringLiteral("de.lng"), QStringLiteral("eng.lng"),
                                      QStringLiteral("fr.lng"), QStringLiteral("rus.lng"),
                                      QStringLiteral("tl.lng")};
        QCOMPARE(shipped.entryList({QStringLiteral("*.lng")}, QDir::Files, QDir::Name), expected);
        QList<int> required = {1, 2, 3, 5, 6, 8, 11, 12, 14, 16, 17, 18, 48, 49, 51, 58};
        for (int k = 22; k <= 32; ++k)
            required << k;
        for (int k = 35; k <= 44; ++k)
            required << k;
        for (const QString &name : expected) {
            const QString path = shipped.filePath(name);
            for (int key : required)
                QVERIFY2(!ReadIniString(language::CaptionSection, QStringLiteral("L%1").arg(key), {}, path)
                              .isEmpty(),
                         qPrintable(name + QStringLiteral(" L%1").arg(key)));
            QVERIFY(!ReadIniString(language::InfoSection, QStringLiteral("lang"), {}, path).isEmpty());
            QVERIFY(!ReadIniString(language::InfoSection, QStringLiteral("Authors"), {}, path).isEmpty());
        }
    }

    void chooserListsModulesAndApplies()
    {
        program->write(QStringLiteral("language/eng.lng"),
                       "[general]\r\nlang=English\r\nAuthors=A. B.\r\n"
                       "[Language1]\r\nL1=English\r\nL3=Contents\r\nL18=Language\r\n");
        program->write(QStringLiteral("language/rus.lng"), module(QStringLiteral("RUS")));
        program->write(QStringLiteral("language/nameless.lng"), "[Language1]\r\nL1=x\r\n");
        OpenBook *w = startWith(QStringLiteral("eng.lng"));
        frmLang *chooser = program->forms->frmLang();
        QCOMPARE(chooser->lfff->count(), 3);
        QCOMPARE(chooser->lfff->item(0)->text(), QStringLiteral("English - Автор модуля - A. B."));
        QCOMPARE(chooser->lfff->item(1)->text(), QStringLiteral("RUS - Автор модуля - A. B."));
        QCOMPARE(chooser->lfff->item(2)->text(), QStringLiteral("Нет языковых модулей - Автор модуля - Нет"));
        // The file names stay in step with the entries.
        QCOMPARE(chooser->lff, (QStringList{QStringLiteral("eng.lng"), QStringLiteral("rus.lng"),
                                            QStringLiteral("nameless.lng")}));
        QCOMPARE(chooser->lfff->currentRow(), -1);

        // Apply before a choice does nothing at all.
        chooser->cmdApply->click();
        QCOMPARE(program->read(QStringLiteral("program.ini")).contains("Label1"), false);
        QCOMPARE(part<QAction>(w, "ogl")->text(), QStringLiteral("Contents"));

        chooser->lfff->setCurrentRow(1);
        QCOMPARE(chooser->tf->text(), program->path(QStringLiteral("language/rus.lng")));
        chooser->cmdApply->click();
        QCOMPARE(part<QAction>(w, "ogl")->text(), QStringLiteral("RUS 3"));
        QCOMPARE(chooser->windowTitle(), QStringLiteral("RUS 18"));
        QCOMPARE(chooser->cmdApply->text(), QStringLiteral("RUS 35"));
        QCOMPARE(w->LanguageModulePath(), program->path(QStringLiteral("language/rus.lng")));
        const QString stored = ReadIniString(QStringLiteral("interface"), QStringLiteral("LANGUAGE"), {},
                                             program->path(QStringLiteral("program.ini")));
        QCOMPARE(stored, program->path(QStringLiteral("language/rus.lng")));
        // Twice: the same line, the same captions.
        const QByteArray once = program->read(QStringLiteral("program.ini"));
        chooser->cmdApply->click();
        QCOMPARE(program->read(QStringLiteral("program.ini")), once);
        QCOMPARE(program->forms->frmLang(), chooser); // the same window, not unloaded and made anew

        // The choice survives a restart.
        program->os->fakePrompts.messages.clear();
        program->restart();
        QCOMPARE(part<QAction>(program->forms->openBook(), "ogl")->text(), QStringLiteral("RUS 3"));
    }

    void focusAloneChoosesNoLanguage()
    {
        program->write(QStringLiteral("language/rus.lng"), module(QStringLiteral("RUS")));
        startWith(QStringLiteral("eng.lng"));
        frmLang *chooser = program->forms->frmLang();
        chooser->show();
        chooser->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(chooser));
        // Taking the focus makes a row current without selecting it.
        chooser->lfff->setFocus();
        QVERIFY(chooser->lfff->selectedItems().isEmpty());
        const QByteArray before = program->read(QStringLiteral("program.ini"));
        chooser->cmdApply->click();
        QCOMPARE(program->read(QStringLiteral("program.ini")), before);
        // Space selects the current row: now it is the reader's choice.
        QTest::keyClick(chooser->lfff, Qt::Key_Space);
        QVERIFY(!chooser->lfff->selectedItems().isEmpty());
        chooser->cmdApply->click();
        QVERIFY(program->read(QStringLiteral("program.ini")).contains(".lng"));
    }

    void languageThatCannotBeKeptIsStillAppliedAndTold()
    {
        program->write(QStringLiteral("language/rus.lng"), module(QStringLiteral("RUS")));
        OpenBook *w = startWith(QStringLiteral("eng.lng"));
        QFile::remove(program->path(QStringLiteral("program.ini")));
        QDir().mkpath(program->path(QStringLiteral("program.ini")));
        frmLang *chooser = program->forms->frmLang();
        chooser->lfff->setCurrentRow(1);
        chooser->cmdApply->click();
        QCOMPARE(part<QAction>(w, "ogl")->text(), QStringLiteral("RUS 3"));
        QCOMPARE(program->os->fakePrompts.messages.size(), 1);
        QVERIFY(program->os->fakePrompts.messages[0].text.startsWith(
            QStringLiteral("Не удалось сохранить настройки в файл")));
    }

    void eachWindowIsBuiltAlone()
    {
        // No reading window, no registry: each dialog loads and speaks
        // through its signals alone.
        const language::Captions captions =
            language::readCaptions(program->path(QStringLiteral("language/eng.lng")), program->dir.path());
        frmLang chooser(*program->env);
        QVERIFY(chooser.Form_Load());
        chooser.retranslate(captions);
        QCOMPARE(chooser.windowTitle(), QStringLiteral("ENG 18"));
        frmBMarks marks(*program->env);
        marks.Form_Load();
        QSignalSpy chosen(&marks, &frmBMarks::pageChosen);
        marks.AddBookmark(QStringLiteral(" 7"));
        marks.lstBMarks->setCurrentRow(0);
        marks.cmdGo->click();
        QCOMPARE(chosen.count(), 1);
        QCOMPARE(chosen.first().first().value<qint16>(), qint16(7));
        frmFind find(*program->env);
        find.Form_Load();
        find.retranslate(captions);
        QCOMPARE(find.cmdFind->text(), QStringLiteral("ENG 25"));
        OpenBook reader(*program->env);
        reader.retranslate(captions);
        QCOMPARE(part<QAction>(&reader, "ogl")->text(), QStringLiteral("ENG 3"));
        QVERIFY(program->loadOrder.isEmpty()); // the registry built none of them
    }

    void moduleAddedLaterShowsAfterReopening()
    {
        startWith(QStringLiteral("eng.lng"));
        QCOMPARE(program->forms->frmLang()->lfff->count(), 1);
        program->write(QStringLiteral("language/new.lng"), module(QStringLiteral("NEW")));
        QCOMPARE(program->forms->frmLang()->lfff->count(), 1);
        program->forms->frmLang()->cmdCancel_Click();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(program->forms->frmLang()->lfff->count(), 2);
    }

    // Qt's own dialogs follow the module's locale, through a near language
    // where Qt has none, and the last language applied wins.
    void toolkitDialogsSpeakTheModulesLanguage_data()
    {
        QTest::addColumn<QString>("moduleFile");
        QTest::addColumn<QStringList>("buttons");
        const QStringList russian{QStringLiteral("Сохранить"), QStringLiteral("Отмена")};
        const QStringList english{QStringLiteral("Save"), QStringLiteral("Cancel")};
        QTest::newRow("rus") << QStringLiteral("rus.lng") << russian;
        QTest::newRow("bel reads Russian") << QStringLiteral("bel.lng") << russian;
        QTest::newRow("5 is Ukrainian")
            << QStringLiteral("5.lng")
            << QStringList{QStringLiteral("Зберегти"), QStringLiteral("Скасувати")};
        QTest::newRow("eng") << QStringLiteral("eng.lng") << english;
        QTest::newRow("tl is English") << QStringLiteral("tl.lng") << english;
    }
    void toolkitDialogsSpeakTheModulesLanguage()
    {
        QFETCH(QString, moduleFile);
        QFETCH(QStringList, buttons);
        QFile::remove(program->path(QStringLiteral("language/eng.lng")));
        program->installShippedModules();
        program->forms->ApplyLanguage(program->path(QStringLiteral("language/de.lng")));
        program->forms->ApplyLanguage(program->path(QStringLiteral("language/") + moduleFile));

        // The buttons of the real save dialog, read while it is open.
        QStringList seen;
        QTimer reader;
        QObject::connect(&reader, &QTimer::timeout, [&] {
            auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
            if (!dialog)
                return;
            auto *box = part<QDialogButtonBox>(dialog, "buttonBox");
            for (auto button : {QDialogButtonBox::Save, QDialogButtonBox::Cancel})
                seen << box->button(button)->text().remove(QLatin1Char('&'));
            dialog->reject();
        });
        reader.start(10);
        platform::QtPrompts prompts;
        QVERIFY(!prompts.saveFileName(QStringLiteral("Сохранение в файл..."), QStringLiteral("Ночь.txt")));
        QCOMPARE(seen, buttons);
    }

    void noModuleWarnsAndEnds()
    {
        QFile::remove(program->path(QStringLiteral("language/eng.lng")));
        program->forms->openBook();
        QCOMPARE(program->os->ended, 1);
        QCOMPARE(program->os->fakePrompts.messages.size(), 1);
        const Asked &warning = program->os->fakePrompts.messages.first();
        QCOMPARE(warning.title, QStringLiteral("Ошибка интерфейса..."));
        QCOMPARE(warning.icon, platform::Icon::Warning);
        QVERIFY(warning.text.startsWith(QStringLiteral("В директории: - ") + program->dir.path() +
                                        QStringLiteral("/language.\r\n")));
        QVERIFY(warning.text.endsWith(QStringLiteral("В них содержатся метки и текст на разных языках.")));
    }
};

QTEST_MAIN(TestLanguage)
#include "tst_language.moc"
