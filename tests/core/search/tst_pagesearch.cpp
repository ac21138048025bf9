// The whole-book search keeps the pages it has read; whatever it keeps,
// every query must find exactly the pages a plain scan of the page store
// finds, in both case modes, with the same result lines.
#include "core/book/PageStore.h"
#include "core/search/PageSearch.h"

#include <QTest>

#include <algorithm>

namespace {

bool holds(const QString &text, const QString &needle)
{
    return std::search(text.begin(), text.end(), needle.begin(), needle.end()) != text.end();
}

// Straight from the store, page by page, with nothing kept.
QStringList plainScan(const QString &query, bool caseSensitive)
{
    QStringList lines;
    if (query.isEmpty())
        return lines;
    for (int n = 1; n <= bookdata::PageCount; ++n) {
        const QString text = *bookdata::LoadPageText(n);
        if (caseSensitive ? holds(text, query) : holds(text.toLower(), query.toLower()))
            lines << search::resultLine(n, text);
    }
    return lines;
}

QStringList linesOf(const QList<search::Match> &matches)
{
    QStringList lines;
    for (const search::Match &m : matches)
        lines << m.line;
    return lines;
}

} // namespace

class TestPageSearch : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void sameAsAPlainScan_data()
    {
        QTest::addColumn<QString>("query");
        QTest::addColumn<bool>("somewhere"); // the book holds it in at least one case mode
        QTest::newRow("word") << QStringLiteral("ночь") << true;
        QTest::newRow("capitalised") << QStringLiteral("Ночь") << true;
        QTest::newRow("upper case") << QStringLiteral("НОЧЬ") << true;
        QTest::newRow("mixed case") << QStringLiteral("нОчЬ") << true;
        QTest::newRow("yo lower") << QStringLiteral("ё") << true;
        QTest::newRow("yo upper") << QStringLiteral("Ё") << true;
        QTest::newRow("e is not yo") << QStringLiteral("е") << true;
        QTest::newRow("line break") << QStringLiteral("\r\n") << true;
        QTest::newRow("LF alone") << QStringLiteral("\n") << true;
        QTest::newRow("across lines") << QStringLiteral(",\r\nИ") << true;
        QTest::newRow("space") << QStringLiteral(" ") << true;
        QTest::newRow("one letter") << QStringLiteral("я") << true;
        QTest::newRow("dash") << QStringLiteral("—") << false;
        QTest::newRow("latin") << QStringLiteral("a") << false;
        QTest::newRow("absent") << QStringLiteral("жжжжжжжж") << false;
        QTest::newRow("longer than a page") << QStringLiteral("и").repeated(3000) << false;
        QTest::newRow("empty") << QString() << false;
    }
    void sameAsAPlainScan()
    {
        QFETCH(QString, query);
        QFETCH(bool, somewhere);
        const QStringList insensitive = plainScan(query, false);
        const QStringList sensitive = plainScan(query, true);
        if (somewhere)
            QVERIFY(!insensitive.isEmpty());
        // Twice: the first search reads the book, the second what it kept.
        for (int pass = 0; pass < 2; ++pass) {
            QCOMPARE(linesOf(search::findPages(query, false)), insensitive);
            QCOMPARE(linesOf(search::findPages(query, true)), sensitive);
        }
    }
};

QTEST_GUILESS_MAIN(TestPageSearch)
#include "tst_pagesearch.moc"
