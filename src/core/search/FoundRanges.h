#pragma once

#include <QList>
#include <QString>

// Where a searched word or phrase stands in a page's text, so that the
// spread a search result leads to can show it.
namespace search {

struct FoundRange
{
    qsizetype start = 0;
    qsizetype length = 0;
    friend bool operator==(const FoundRange &, const FoundRange &) = default;
};

// Every occurrence of `query` in `text`, left to right and without
// overlap, compared as findPages compares: lower-cased both sides unless
// `caseSensitive`. Nothing for an empty query.
QList<FoundRange> foundRanges(const QString &text, const QString &query, bool caseSensitive);

} // namespace search
