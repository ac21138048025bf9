// Interface languages as a reader switches them: which module's captions
// show, what happens with broken or missing modules, and the chooser.
#include "app/Forms.h"
#include "language/LanguageModule.h"
#include "language/frmLang.h"
#include "reader/ClickLabel.h"
#include "reader/OpenBook.h"
#include "settings/Profile.h"
#include "settings/font1.h"
#include "support/TestProgram.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QTest>

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

    void noEnglishEitherLeavesEveryCaptionEmpty()
    {
        QFile::remove(program->path(QStringLiteral("language/eng.lng")));
        program->write(QStringLiteral("language/x.lng"), "[general]\r\nlang=X\r\n");
        OpenBook *w = startWith(QStringLiteral("x.lng"));
        QCOMPARE(part<QAction>(w, "ogl")->text(), QString());
        QCOMPARE(part<QMenu>(w, "mnu")->title(), QString());
        QCOMPARE(program->forms->font1()->windowTitle(), QString());
        QVERIFY(program->os->fakePrompts.messages.isEmpty());
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
        QVERIFY(chooser->isHidden() || chooser->isVisible()); // still there, not unloaded
        QVERIFY(TestProgram::loaded("frmLang"));

        // The choice survives a restart.
        program->os->fakePrompts.messages.clear();
        program->restart();
        QCOMPARE(part<QAction>(program->forms->openBook(), "ogl")->text(), QStringLiteral("RUS 3"));
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
