#pragma once

#include <QString>
#include <QStringList>
#include <QtGlobal>

#include <optional>

// The fixed tables that tie the 81 poems to the 166 pages: where each
// contents entry opens the book, which pages each poem fills, and which
// title line stands above each page of a spread.
namespace bookdata {

inline constexpr int EntryCount = 81;
inline constexpr int FirstSpread = 1;
inline constexpr int LastSpread = 165;

struct PageRange
{
    int first = 0;
    int last = 0;
    friend bool operator==(const PageRange &, const PageRange &) = default;
};

struct TitleRow
{
    QString left;
    QString right;
};

// Left page of the spread on which entry `entry` (1-based) begins; nullopt
// for a number that names no entry.
std::optional<int> contentsSpread(int entry);

// Pages of the poem of entry `entry` (1-based).
std::optional<PageRange> poemPages(int entry);

// The title lines above the pages of spread `leftPage`: a poem's title,
// "***" for an untitled poem, or " " where no poem begins. Only odd pages
// from 1 to 165 name a spread.
std::optional<TitleRow> titleRow(int leftPage);

// The 81 contents entries in book order (the same texts fill the contents
// list and the poem window's list).
QStringList contentsEntries();

// The 25 distinct title texts, title 1 first.
QStringList titleTexts();

// Left page of the spread that shows `page` (an even page belongs to the
// spread of the page before it).
constexpr int spreadOf(int page)
{
    return page % 2 == 0 ? page - 1 : page;
}

// The spread after / before spread `leftPage`; nullopt at either end of
// the book. Every way of turning (buttons, keys, wheel) asks these.
constexpr std::optional<qint16> nextSpread(qint16 leftPage)
{
    if (leftPage >= LastSpread)
        return std::nullopt;
    return static_cast<qint16>(leftPage + 2);
}
constexpr std::optional<qint16> previousSpread(qint16 leftPage)
{
    if (leftPage <= FirstSpread)
        return std::nullopt;
    return static_cast<qint16>(leftPage - 2);
}

} // namespace bookdata
