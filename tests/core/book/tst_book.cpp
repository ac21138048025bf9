// The book's shape: every page, the three tables and the contents entries
// must agree with each other, or the reader lands on the wrong poem.
#include "core/book/BookTables.h"
#include "core/book/PageStore.h"

#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QTest>

using namespace bookdata;

namespace {

bool allowedChar(QChar c)
{
    const char16_t u = c.unicode();
    const bool cyrillic = (u >= 0x0410 && u <= 0x044F) || u == 0x0401 || u == 0x0451;
    // ASCII is there for the dash, quotes and dots; a Latin letter in the
    // verse is a look-alike typed on the wrong keyboard, which search misses.
    const bool latin = (u >= 'A' && u <= 'Z') || (u >= 'a' && u <= 'z');
    return cyrillic || (u >= 0x20 && u <= 0x7E && !latin) || u == '\r' || u == '\n';
}

QString stripDots(QString s)
{
    return s.remove(QStringLiteral("..."));
}

QString firstLine(int page)
{
    return LoadPageText(page)->section(QStringLiteral("\r\n"), 0, 0);
}

} // namespace

// Failure texts are built inline; this keeps them alive for the check.
#define WHY(text) QByteArray(text).constData()

class TestBook : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void pageStoreBounds();
    void everyPageHasTheShapeOfVerse();
    void wholeBookMeasures();
    void poemTableCoversTheBook();
    void contentsTableOpensEachPoemsSpread();
    void titleMarksStandOnFirstPagesOnly();
    void titleRowsOfNamedSpreads_data();
    void titleRowsOfNamedSpreads();
    void contentsEntriesFollowTheirPoems();
};

void TestBook::pageStoreBounds()
{
    QVERIFY(!LoadPageText(0));
    QVERIFY(!LoadPageText(-1));
    QVERIFY(!LoadPageText(167));
    QVERIFY(!LoadPageText(32767));
    QVERIFY(LoadPageText(1));
    QVERIFY(LoadPageText(166));
    // The compiled-in page is the human-readable file, line breaks as CR LF.
    QFile source(qEnvironmentVariable("KV_SOURCE_DIR") + QStringLiteral("/content/pages/083.txt"));
    QVERIFY(source.open(QIODevice::ReadOnly));
    QCOMPARE(*LoadPageText(83),
             QString::fromUtf8(source.readAll()).replace(QLatin1Char('\n'), QStringLiteral("\r\n")));
}

void TestBook::everyPageHasTheShapeOfVerse()
{
    for (int p = 1; p <= PageCount; ++p) {
        const auto text = LoadPageText(p);
        QVERIFY2(text, qPrintable(QStringLiteral("page %1 missing").arg(p)));
        const QString &t = *text;
        const QByteArray where = QByteArray("page ") + QByteArray::number(p);
        QVERIFY2(t.size() >= 84 && t.size() <= 326, WHY(where + " length " + QByteArray::number(t.size())));
        QVERIFY2(!t.startsWith(QStringLiteral("\r\n")), WHY(where));
        QVERIFY2(!t.contains(QStringLiteral("\r\n\r\n\r\n")), WHY(where + " two blank lines"));
        QVERIFY2(!t.endsWith(QStringLiteral("\r\n\r\n")), WHY(where + " ends in a blank line"));
        // Every line break is CR LF: no lone CR or LF.
        QCOMPARE(t.count(QLatin1Char('\r')), t.count(QStringLiteral("\r\n")));
        QCOMPARE(t.count(QLatin1Char('\n')), t.count(QStringLiteral("\r\n")));
        for (QChar c : t)
            QVERIFY2(allowedChar(c), WHY(where + " char U+" + QByteArray::number(c.unicode(), 16)));
        QString body = t;
        if (body.endsWith(QStringLiteral("\r\n")))
            body.chop(2);
        const QStringList lines = body.split(QStringLiteral("\r\n"));
        QVERIFY2(lines.size() >= 4 && lines.size() <= 11,
                 WHY(where + " lines " + QByteArray::number(lines.size())));
        for (const QString &line : lines)
            QVERIFY2(line.size() <= 52, WHY(where + " long line"));
    }
}

void TestBook::wholeBookMeasures()
{
    int total = 0, withBlankLine = 0, endingInBreak = 0;
    for (int p = 1; p <= PageCount; ++p) {
        const QString t = *LoadPageText(p);
        total += t.size();
        withBlankLine += t.contains(QStringLiteral("\r\n\r\n"));
        endingInBreak += t.endsWith(QStringLiteral("\r\n"));
    }
    QCOMPARE(total, 34465);
    QCOMPARE(withBlankLine, 111);
    QCOMPARE(endingInBreak, 34);
}

void TestBook::poemTableCoversTheBook()
{
    QMap<int, int> poemsOfLength;
    int next = 1;
    for (int e = 1; e <= EntryCount; ++e) {
        const auto range = poemPages(e);
        QVERIFY(range);
        QCOMPARE(range->first, next);
        QVERIFY(range->last >= range->first);
        ++poemsOfLength[range->last - range->first + 1];
        next = range->last + 1;
    }
    QCOMPARE(next, PageCount + 1);
    QCOMPARE(poemsOfLength, (QMap<int, int>{{1, 19}, {2, 45}, {3, 13}, {4, 2}, {5, 2}}));
    QVERIFY(!poemPages(0));
    QVERIFY(!poemPages(82));
    QCOMPARE(*poemPages(75), (PageRange{146, 150}));
    QCOMPARE(*poemPages(76), (PageRange{151, 154}));
    QCOMPARE(*poemPages(81), (PageRange{162, 166}));
}

void TestBook::contentsTableOpensEachPoemsSpread()
{
    int previous = 1;
    for (int e = 1; e <= EntryCount; ++e) {
        const int spread = *contentsSpread(e);
        QVERIFY(spread % 2 == 1);
        QVERIFY(spread >= previous);
        QCOMPARE(spread, spreadOf(poemPages(e)->first));
        previous = spread;
    }
    QCOMPARE(*contentsSpread(1), 1);
    QCOMPARE(*contentsSpread(2), 1);
    QCOMPARE(*contentsSpread(77), 155);
    QCOMPARE(*contentsSpread(78), 155);
    QCOMPARE(*contentsSpread(81), 161);
    QVERIFY(!contentsSpread(0));
    QVERIFY(!contentsSpread(82));
}

void TestBook::titleMarksStandOnFirstPagesOnly()
{
    QSet<int> firstPages;
    for (int e = 1; e <= EntryCount; ++e)
        firstPages.insert(poemPages(e)->first);
    const QStringList titles = titleTexts();
    QCOMPARE(titles.size(), 25);
    QCOMPARE(QSet<QString>(titles.begin(), titles.end()).size(), 25);

    int stars = 0, titled = 0;
    QStringList titlesInOrder;
    for (int p = 1; p <= LastSpread; p += 2) {
        const auto row = titleRow(p);
        QVERIFY(row);
        const QString marks[2] = {row->left, row->right};
        for (int side = 0; side < 2; ++side) {
            const QString &mark = marks[side];
            QCOMPARE(mark != QStringLiteral(" "), firstPages.contains(p + side));
            if (mark == QStringLiteral("***")) {
                ++stars;
            } else if (mark != QStringLiteral(" ")) {
                ++titled;
                QVERIFY(titles.contains(mark));
                if (!titlesInOrder.contains(mark))
                    titlesInOrder.append(mark);
            }
        }
    }
    QCOMPARE(stars, 55);
    QCOMPARE(titled, 26);
    // Titles are numbered in the order the reader meets them.
    QCOMPARE(titlesInOrder, titles);
}

void TestBook::titleRowsOfNamedSpreads_data()
{
    QTest::addColumn<int>("page");
    QTest::addColumn<QString>("left");
    QTest::addColumn<QString>("right");
    const QStringList t = titleTexts();
    const QString stars = QStringLiteral("***"), none = QStringLiteral(" ");
    QTest::newRow("first spread") << 1 << stars << stars;
    QTest::newRow("last spread") << 165 << none << none;
    QTest::newRow("53: stars and title 3") << 53 << stars << t.value(2);
    QTest::newRow("89: title 13 and stars") << 89 << t.value(12) << stars;
    QTest::newRow("155: two titles") << 155 << t.value(20) << t.value(21);
    QTest::newRow("145: title 20 right") << 145 << none << t.value(19);
    QTest::newRow("151: title 20 left") << 151 << t.value(19) << none;
}

void TestBook::titleRowsOfNamedSpreads()
{
    QFETCH(int, page);
    QFETCH(QString, left);
    QFETCH(QString, right);
    const auto row = titleRow(page);
    QVERIFY(row);
    QCOMPARE(row->left, left);
    QCOMPARE(row->right, right);
    QVERIFY(!titleRow(page + 1)); // even pages name no spread
}

void TestBook::contentsEntriesFollowTheirPoems()
{
    const QStringList entries = contentsEntries();
    QCOMPARE(entries.size(), EntryCount);
    int dotted = 0, leadingDots = 0;
    for (int e = 1; e <= EntryCount; ++e) {
        const QString &entry = entries[e - 1];
        const QByteArray where = "entry " + QByteArray::number(e) + ": " + entry.toUtf8();
        QVERIFY2(entry.size() >= 3 && entry.size() <= 40, WHY(where));
        const int first = poemPages(e)->first;
        const QString mark = first % 2 ? titleRow(first)->left : titleRow(first - 1)->right;
        if (mark != QStringLiteral("***")) {
            QVERIFY2(entry == mark, WHY(where)); // a titled poem is listed by its title
        } else if (entry.endsWith(QStringLiteral("..."))) {
            QString stem = entry.chopped(3);
            QVERIFY2(firstLine(first).startsWith(stem), WHY(where));
        } else {
            // A whole first line, perhaps without its closing punctuation.
            const QString line = firstLine(first);
            QVERIFY2(line.startsWith(entry), WHY(where));
            QVERIFY2(
                line.mid(entry.size()).remove(QRegularExpression(QStringLiteral("[\\s.,;:!?-]"))).isEmpty(),
                WHY(where));
        }
        if (entry.endsWith(QStringLiteral("...")))
            ++dotted;
        else if (entry.startsWith(QStringLiteral("...")))
            ++leadingDots;
    }
    QCOMPARE(dotted, 42);
    QCOMPARE(leadingDots, 1);
    QCOMPARE(entries[74], entries[75]);
    for (auto [a, b] : {std::pair{44, 68}, std::pair{55, 80}}) {
        QVERIFY(entries[a - 1] != entries[b - 1]);
        QCOMPARE(stripDots(entries[a - 1]), stripDots(entries[b - 1]));
    }
}

QTEST_GUILESS_MAIN(TestBook)
#include "tst_book.moc"
