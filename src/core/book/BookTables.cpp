#include "core/book/BookTables.h"

#include <QFile>

#include <array>

namespace bookdata {
namespace {

constexpr std::array<int, EntryCount> ContentsTable = {
    1,   1,   3,   3,   5,   7,   9,   11,  13,  15,  //
    17,  19,  21,  23,  25,  27,  27,  29,  31,  33,  //
    35,  37,  39,  41,  43,  45,  47,  47,  49,  51,  //
    53,  53,  55,  57,  59,  63,  65,  69,  71,  73,  //
    75,  79,  81,  83,  85,  87,  89,  89,  91,  93,  //
    97,  99,  101, 105, 105, 107, 109, 111, 113, 115, //
    115, 117, 119, 121, 123, 125, 127, 131, 133, 135, //
    135, 139, 141, 143, 145, 151, 155, 155, 157, 159, //
    161,
};

// Each poem runs from its first page to the page before the next poem's
// first page; the last one ends the book.
constexpr std::array<int, EntryCount> PoemFirstPage = {
    1,   2,   3,   4,   6,   8,   10,  12,  14,  16,  //
    18,  19,  21,  23,  25,  27,  28,  30,  32,  33,  //
    35,  37,  39,  41,  43,  45,  47,  48,  50,  52,  //
    53,  54,  56,  58,  60,  63,  66,  69,  72,  74,  //
    76,  79,  82,  83,  85,  88,  89,  90,  91,  93,  //
    97,  100, 102, 105, 106, 108, 109, 111, 113, 115, //
    116, 118, 119, 121, 123, 125, 128, 131, 133, 135, //
    136, 139, 141, 143, 146, 151, 155, 156, 158, 160, //
    162,
};

// Title marks: 0 is a blank line, -1 an untitled poem ("***"), n > 0 the
// poem's title n. One row per spread, row (p - 1) / 2 for left page p.
constexpr int None = 0;
constexpr int Stars = -1;
struct MarkRow
{
    int left;
    int right;
};
constexpr auto makeTitleTable()
{
    std::array<MarkRow, 83> rows{};
    constexpr int both[] = {1, 3, 27, 47, 105, 115, 135};
    constexpr int rightOnly[] = {5, 7, 9, 11, 13, 15, 17, 29, 31, 49, 51, 57, 73, 81, 87, 107, 117, 127};
    constexpr int leftOnly[] = {19,  21,  25,  33,  35,  37,  39,  41,  43,  83, 91,
                                109, 111, 113, 119, 121, 123, 125, 131, 133, 141};
    for (int p : both)
        rows[(p - 1) / 2] = {Stars, Stars};
    for (int p : rightOnly)
        rows[(p - 1) / 2] = {None, Stars};
    for (int p : leftOnly)
        rows[(p - 1) / 2] = {Stars, None};
    struct Titled
    {
        int page;
        MarkRow row;
    };
    constexpr Titled titled[] = {
        {23, {1, None}},   {45, {2, None}},   {53, {Stars, 3}},  {55, {None, 4}},   {59, {None, 5}},
        {63, {6, None}},   {65, {None, 7}},   {69, {8, None}},   {71, {None, 9}},   {75, {None, 10}},
        {79, {11, None}},  {85, {12, None}},  {89, {13, Stars}}, {93, {14, None}},  {97, {15, None}},
        {99, {None, 16}},  {101, {None, 17}}, {139, {18, None}}, {143, {19, None}}, {145, {None, 20}},
        {151, {20, None}}, {155, {21, 22}},   {157, {None, 23}}, {159, {None, 24}}, {161, {None, 25}},
    };
    for (const auto &t : titled)
        rows[(t.page - 1) / 2] = t.row;
    return rows;
}
constexpr auto TitleTable = makeTitleTable();

QStringList readLines(const QString &resource)
{
    QFile file(resource);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QStringList lines = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'));
    while (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

QString markText(int mark)
{
    if (mark == None)
        return QStringLiteral(" ");
    if (mark == Stars)
        return QStringLiteral("***");
    return titleTexts().value(mark - 1);
}

} // namespace

std::optional<int> contentsSpread(int entry)
{
    if (entry < 1 || entry > EntryCount)
        return std::nullopt;
    return ContentsTable[entry - 1];
}

std::optional<PageRange> poemPages(int entry)
{
    if (entry < 1 || entry > EntryCount)
        return std::nullopt;
    const int first = PoemFirstPage[entry - 1];
    const int last = entry == EntryCount ? 166 : PoemFirstPage[entry] - 1;
    return PageRange{first, last};
}

std::optional<TitleRow> titleRow(int leftPage)
{
    if (leftPage < FirstSpread || leftPage > LastSpread || leftPage % 2 == 0)
        return std::nullopt;
    const MarkRow &row = TitleTable[(leftPage - 1) / 2];
    return TitleRow{markText(row.left), markText(row.right)};
}

QStringList contentsEntries()
{
    return readLines(QStringLiteral(":/book/contents.txt"));
}

QStringList titleTexts()
{
    return readLines(QStringLiteral(":/book/titles.txt"));
}

} // namespace bookdata
