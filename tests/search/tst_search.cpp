// Searching the book as a reader does: the pages found, the count, the
// case rule, going to a result, and saving what was found.
#include "reader/ClickLabel.h"
#include "reader/OpenBook.h"
#include "reader/PageStore.h"
#include "search/PageSearch.h"
#include "search/frmFind.h"
#include "support/TestProgram.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTextEdit>

class TestSearch : public QObject
{
    Q_OBJECT

    std::unique_ptr<TestProgram> program;
    OpenBook *w = nullptr;
    frmFind *f = nullptr;

    QList<int> pagesWith(const QString &query, Qt::CaseSensitivity cs)
    {
        QList<int> pages;
        for (int p = 1; p <= bookdata::PageCount; ++p)
            if (bookdata::LoadPageText(p)->contains(query, cs))
                pages << p;
        return pages;
    }
    void find(const QString &query, bool exactCase = false)
    {
        f->txtFind->setText(query);
        f->chkReg->setChecked(exactCase);
        QTest::keyClick(f->txtFind, Qt::Key_Return);
    }
    QString line(int row) const { return f->lstFound->item(row)->data(Qt::UserRole).toString(); }
    void doubleClick(int row)
    {
        f->show();
        QListWidgetItem *item = f->lstFound->item(row);
        f->lstFound->scrollToItem(item);
        const QPoint at = f->lstFound->visualItemRect(item).center();
        QTest::mouseClick(f->lstFound->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(f->lstFound->viewport(), Qt::LeftButton, {}, at);
    }

private Q_SLOTS:
    void init()
    {
        program = std::make_unique<TestProgram>();
        w = Forms::openBook();
        f = Forms::frmFind();
    }
    void cleanup() { program.reset(); }

    void eachPageOnceWithItsCount()
    {
        QCOMPARE(pagesWith(QStringLiteral("мятой"), Qt::CaseInsensitive), (QList<int>{43, 88}));
        QCOMPARE(bookdata::LoadPageText(43)->count(QStringLiteral("мятой")), 2);
        find(QStringLiteral("мятой"));
        QCOMPARE(f->lstFound->count(), 2);
        QCOMPARE(f->lblStat->text(), QStringLiteral("2"));
        QCOMPARE(line(0), search::resultLine(43, *bookdata::LoadPageText(43)));
        QVERIFY(line(1).startsWith(QStringLiteral(" 88 ")));
        QVERIFY(f->cmds->isEnabled());
        // What the line shows is the page's beginning, 30 characters as stored.
        QCOMPARE(line(0),
                 QStringLiteral(" 43 ") + bookdata::LoadPageText(43)->left(30) + QStringLiteral("..."));
        QVERIFY(f->text1->toPlainText().contains(QStringLiteral("мятой")));
    }

    void caseRule()
    {
        const QList<int> any = pagesWith(QStringLiteral("ночь"), Qt::CaseInsensitive);
        find(QStringLiteral("НОЧЬ"));
        QCOMPARE(f->lstFound->count(), any.size());
        find(QStringLiteral("ночь"));
        QCOMPARE(f->lstFound->count(), any.size());
        find(QStringLiteral("Ночь"), true);
        const QList<int> exact = pagesWith(QStringLiteral("Ночь"), Qt::CaseSensitive);
        QCOMPARE(f->lstFound->count(), exact.size());
        QVERIFY(exact.size() < any.size());
        find(QStringLiteral("НОЧЬ"), true);
        QCOMPARE(f->lstFound->count(), 0);
        QCOMPARE(f->lblStat->text(), QStringLiteral("0"));
    }

    void resultsOpenTheirSpread_data()
    {
        QTest::addColumn<QString>("query");
        QTest::addColumn<int>("page");
        QTest::addColumn<int>("spread");
        QTest::newRow("page 8") << QStringLiteral("шагает тёплый") << 8 << 7;
        QTest::newRow("page 166") << QStringLiteral("Я не прощаюсь") << 166 << 165;
    }
    void resultsOpenTheirSpread()
    {
        QFETCH(QString, query);
        QFETCH(int, page);
        QFETCH(int, spread);
        find(query);
        QCOMPARE(f->lstFound->count(), 1);
        QVERIFY(line(0).startsWith(QStringLiteral(" %1 ").arg(page)));
        doubleClick(0);
        QCOMPARE(w->CurrentPage, qint16(spread));
        QCOMPARE(w->rightNum->text(), QStringLiteral(" %1").arg(spread + 1));
        QCOMPARE(f->lstFound->count(), 1); // the results stay
    }

    void emptyQueryIsToldInTheInterfaceLanguage()
    {
        find(QStringLiteral("мятой"));
        find(QString());
        QCOMPARE(f->lstFound->count(), 0);
        QCOMPARE(f->lblStat->text(), QStringLiteral("0"));
        QCOMPARE(program->os->fakePrompts.messages.size(), 1);
        QCOMPARE(program->os->fakePrompts.messages[0].text, QStringLiteral("Nothing to find!")); // eng.lng
        const QString lang = program->languageFolder();
        QCOMPARE(emptyQueryMessage(lang + QStringLiteral("/rus.lng")), QStringLiteral("Нечего искать!"));
        QCOMPARE(emptyQueryMessage(lang + QStringLiteral("/bel.lng")), QStringLiteral("Нечего искать!"));
        QCOMPARE(emptyQueryMessage(lang + QStringLiteral("/5.lng")), QStringLiteral("Нечего искать!"));
        QCOMPARE(emptyQueryMessage(lang + QStringLiteral("/tl.lng")), QStringLiteral("Nothing to find!"));
        QCOMPARE(emptyQueryMessage(lang + QStringLiteral("/de.lng")), QStringLiteral("Nothing to find!"));
    }

    void spacesAreAQueryAndNothingFoundIsQuiet()
    {
        find(QStringLiteral("  "));
        QCOMPARE(f->lstFound->count(), pagesWith(QStringLiteral("  "), Qt::CaseSensitive).size());
        find(QStringLiteral("zzzz qqq"));
        QCOMPARE(f->lstFound->count(), 0);
        QVERIFY(program->os->fakePrompts.messages.isEmpty());
        f->lstFound_DblClick(); // an empty list: nothing happens
        QCOMPARE(w->CurrentPage, qint16(1));
    }

    void savingTheResults()
    {
        QVERIFY(!f->cmds->isEnabled());
        find(QStringLiteral("мятой"));
        const QString target = program->path(QStringLiteral("found"));
        program->os->fakePrompts.saveAnswer = target;
        f->cmds->click();
        const QString saved = QString::fromUtf8(program->read(QStringLiteral("found.txt")));
        QVERIFY(
            saved.startsWith(QStringLiteral(" Результат поиска: - мятой - Найдено совпадений: 2\r\n\r\n")));
        QVERIFY(saved.contains(*bookdata::LoadPageText(43)));
        QVERIFY(saved.contains(*bookdata::LoadPageText(88)));
        QCOMPARE(program->os->fakePrompts.saveDialogs.size(), 1);

        // Cancel writes nothing; a path that cannot be written is told.
        program->os->fakePrompts.saveAnswer = std::nullopt;
        f->cmds->click();
        program->os->fakePrompts.saveAnswer = program->path(QStringLiteral("no/such/folder/x.txt"));
        f->cmds->click();
        QCOMPARE(program->os->fakePrompts.messages.size(), 1);
        QVERIFY(program->os->fakePrompts.messages[0].text.contains(QStringLiteral("x.txt")));
    }

    void captionsAndSecondOpening()
    {
        QCOMPARE(f->cmdFind->text(), QStringLiteral("Find"));
        QVERIFY(f->cmdFind->isDefault());
        find(QStringLiteral("мятой"));
        f->cmdCancel->click();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        f = Forms::frmFind();
        QCOMPARE(f->lstFound->count(), 0);
        QCOMPARE(f->txtFind->text(), QString());
        QCOMPARE(f->lblStat->text(), QStringLiteral("0"));
        QCOMPARE(f->cmdFind->text(), QStringLiteral("Find")); // its load applies the language
    }
};

QTEST_MAIN(TestSearch)
#include "tst_search.moc"
