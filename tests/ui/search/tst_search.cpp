// Searching the book as a reader does: the pages found, the count, the
// case rule, going to a result, and saving what was found.
#include "core/book/BookTables.h"
#include "ui/common/ClickLabel.h"
#include "ui/reader/OpenBook.h"
#include "core/book/PageStore.h"
#include "core/search/PageSearch.h"
#include "ui/search/frmFind.h"
#include "ui/reader/FoundWordMark.h"
#include "support/Clicks.h"
#include "support/TestProgram.h"

#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRegularExpression>
#include <QSignalSpy>
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
    // A word of five letters or more found on exactly `count` pages, so
    // the tests follow the book whatever its verse.
    QString wordOnPages(int count)
    {
        static const QRegularExpression words(QStringLiteral("[А-Яа-яЁё]{5,}"));
        for (int p = 1; p <= bookdata::PageCount; ++p)
            for (const auto &m : words.globalMatch(*bookdata::LoadPageText(p)))
                if (pagesWith(m.captured(), Qt::CaseInsensitive).size() == count)
                    return m.captured();
        qFatal("no word on %d pages", count);
        return {};
    }
    // A line found on page `page` alone.
    QString lineOnlyOn(int page)
    {
        for (const QString &l : bookdata::LoadPageText(page)->split(QStringLiteral("\r\n")))
            if (l.size() > 10 && pagesWith(l, Qt::CaseInsensitive) == QList<int>{page})
                return l;
        qFatal("page %d has no line of its own", page);
        return {};
    }
    // Typed into the box and Enter pressed, in the shown window, where the
    // query box has the focus.
    void find(const QString &query, bool exactCase = false)
    {
        f->show();
        f->txtFind->setText(query);
        f->chkReg->setChecked(exactCase);
        QTest::keyClick(f->txtFind, Qt::Key_Return);
    }
    // A result as the list shows it: the page's line breaks read " / ".
    QString line(int row) const { return f->lstFound->item(row)->text(); }
    static QString shown(QString line) { return line.replace(QStringLiteral("\r\n"), QStringLiteral(" / ")); }
    // A real double-click: press, release, then the second press that the
    // system reports as a double-click, and its release.
    void doubleClick(int row)
    {
        f->show();
        QListWidgetItem *item = f->lstFound->item(row);
        f->lstFound->scrollToItem(item);
        doubleClickAt(f->lstFound->viewport(), f->lstFound->visualItemRect(item).center());
    }
    // The words a page shows marked, as they stand on the page.
    QStringList marked(const char *page) const
    {
        const auto *label = part<QLabel>(w, page);
        QStringList words;
        for (const search::FoundRange &r : part<FoundWordMark>(label, "foundWordMark")->ranges())
            words << label->text().mid(r.start, r.length);
        return words;
    }

private Q_SLOTS:
    void init()
    {
        program = std::make_unique<TestProgram>();
        w = program->forms->openBook();
        f = program->forms->frmFind();
    }
    void cleanup() { program.reset(); }

    void eachPageOnceWithItsCount()
    {
        const QString word = wordOnPages(2);
        const QList<int> pages = pagesWith(word, Qt::CaseInsensitive);
        find(word);
        QCOMPARE(f->lstFound->count(), 2);
        QCOMPARE(f->lblStat->text(), QStringLiteral("2"));
        QCOMPARE(line(0), shown(search::resultLine(pages[0], *bookdata::LoadPageText(pages[0]))));
        QVERIFY(line(1).startsWith(QStringLiteral(" %1 ").arg(pages[1])));
        QVERIFY(f->cmds->isEnabled());
        // What the line shows is the page's beginning, 30 characters as stored.
        QCOMPARE(line(0), shown(QStringLiteral(" %1 ").arg(pages[0]) +
                                bookdata::LoadPageText(pages[0])->left(30) + QStringLiteral("...")));
        QVERIFY(f->text1->toPlainText().contains(word));
        // A page that holds the word twice is still one result.
        find(QStringLiteral("и"));
        QCOMPARE(f->lstFound->count(), pagesWith(QStringLiteral("и"), Qt::CaseInsensitive).size());
    }

    void enterSearchesOnceAndGoesOnceFromAResult()
    {
        // An empty query is told once, not once for the default button and
        // once for the box.
        find(QString());
        QCOMPARE(program->os->fakePrompts.messages.size(), 1);

        const QString word = wordOnPages(2);
        const QList<int> pages = pagesWith(word, Qt::CaseInsensitive);
        find(word);
        // Every jump from a result is the search window asking for a page.
        QSignalSpy jumps(f, &frmFind::pageChosen);
        f->lstFound->setFocus();
        f->lstFound->setCurrentRow(1);
        QTest::keyClick(f->lstFound, Qt::Key_Return);
        QCOMPARE(jumps.count(), 1);
        QCOMPARE(w->currentPage(), qint16(bookdata::spreadOf(pages[1])));
        // Enter on a result goes there and nothing else: no new search that
        // would clear the list and lose the selection.
        QCOMPARE(f->lstFound->count(), 2);
        QVERIFY(f->lstFound->item(1)->isSelected());
        QCOMPARE(program->os->fakePrompts.messages.size(), 1);

        jumps.clear();
        // Turned away first, so landing on the result's spread is this jump's doing.
        w->TurnToPage(bookdata::spreadOf(pages[0]) == bookdata::LastSpread ? bookdata::FirstSpread
                                                                           : bookdata::LastSpread);
        doubleClick(0);
        QCOMPARE(jumps.count(), 1);
        QCOMPARE(w->currentPage(), qint16(bookdata::spreadOf(pages[0])));
    }

    void tabStaysOnWhatTheReaderSees()
    {
        f->show();
        f->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(f));
        f->txtFind->setFocus();
        for (int i = 0; i < 12; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QVERIFY(QApplication::focusWidget() != f->text1);
        }
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
        QTest::addColumn<int>("page");
        QTest::addColumn<int>("spread");
        QTest::newRow("page 8") << 8 << 7;
        QTest::newRow("page 166") << 166 << 165;
    }
    void resultsOpenTheirSpread()
    {
        QFETCH(int, page);
        QFETCH(int, spread);
        find(lineOnlyOn(page));
        QCOMPARE(f->lstFound->count(), 1);
        QVERIFY(line(0).startsWith(QStringLiteral(" %1 ").arg(page)));
        doubleClick(0);
        QCOMPARE(w->currentPage(), qint16(spread));
        QCOMPARE(part<QLabel>(w, "rightNum")->text(), QStringLiteral(" %1").arg(spread + 1));
        QCOMPARE(f->lstFound->count(), 1); // the results stay
    }

    // After a jump from a result the query is marked on both pages, case
    // as it was searched, while screen readers still get the page's plain
    // words; the next turn, or the next search, takes the mark away.
    void foundWordIsMarkedUntilTheSpreadChanges_data()
    {
        QTest::addColumn<QString>("query");
        QTest::addColumn<bool>("exactCase");
        QTest::addColumn<QStringList>("left");
        QTest::addColumn<QStringList>("right");
        // The word stands on pages 25 and 26 alone, capitalised on 26.
        QTest::newRow("any case") << QStringLiteral("РАЗЪЕЗД") << false
                                  << QStringList{QStringLiteral("разъезд")}
                                  << QStringList{QStringLiteral("Разъезд")};
        QTest::newRow("match case") << QStringLiteral("Разъезд") << true << QStringList{}
                                    << QStringList{QStringLiteral("Разъезд")};
    }
    void foundWordIsMarkedUntilTheSpreadChanges()
    {
        QFETCH(QString, query);
        QFETCH(bool, exactCase);
        QFETCH(QStringList, left);
        QFETCH(QStringList, right);
        w->show();
        find(query, exactCase);
        doubleClick(0);
        QCOMPARE(w->currentPage(), qint16(25));
        QCOMPARE(marked("txtleft"), left);
        QCOMPARE(marked("txtright"), right);
        for (auto [page, number] : {std::pair{"txtleft", 25}, std::pair{"txtright", 26}})
            QCOMPARE(QAccessible::queryAccessibleInterface(part<QLabel>(w, page))->text(QAccessible::Name),
                     *bookdata::LoadPageText(number));

        QTest::mouseClick(part<QLabel>(w, "lblnext"), Qt::LeftButton);
        QCOMPARE(w->currentPage(), qint16(27));
        QCOMPARE(marked("txtleft") + marked("txtright"), QStringList{});

        doubleClick(0);
        QCOMPARE(marked("txtright"), right);
        find(query, exactCase);
        QCOMPARE(marked("txtleft") + marked("txtright"), QStringList{});
    }

    void emptyQueryIsToldInTheInterfaceLanguage()
    {
        find(wordOnPages(2));
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
        QCOMPARE(w->currentPage(), qint16(1));
    }

    void savingTheResults()
    {
        QVERIFY(!f->cmds->isEnabled());
        const QString word = wordOnPages(2);
        find(word);
        // The name the reader confirmed is the name written: the dialog
        // adds ".txt" to a bare name itself, so nothing is added after it.
        program->os->fakePrompts.saveAnswer = program->path(QStringLiteral("found.md"));
        f->cmds->click();
        QVERIFY(!QFile::exists(program->path(QStringLiteral("found.md.txt"))));
        const QString saved = QString::fromUtf8(program->read(QStringLiteral("found.md")));
        QVERIFY(saved.startsWith(
            QStringLiteral(" Результат поиска: - %1 - Найдено совпадений: 2\r\n\r\n").arg(word)));
        for (int page : pagesWith(word, Qt::CaseInsensitive))
            QVERIFY(saved.contains(*bookdata::LoadPageText(page)));
        QCOMPARE(program->os->fakePrompts.saveDialogs.size(), 1);
        QCOMPARE(program->os->fakePrompts.saveSuggestions,
                 QStringList{QStringLiteral("Поиск - %1.txt").arg(word)});
        QCOMPARE(program->os->fakePrompts.dialogOwners, QList<QObject *>{f});

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
        find(wordOnPages(2));
        f->cmdCancel->click();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        f = program->forms->frmFind();
        QCOMPARE(f->lstFound->count(), 0);
        QCOMPARE(f->txtFind->text(), QString());
        QCOMPARE(f->lblStat->text(), QStringLiteral("0"));
        QCOMPARE(f->cmdFind->text(), QStringLiteral("Find")); // its load applies the language
    }
};

QTEST_MAIN(TestSearch)
#include "tst_search.moc"
