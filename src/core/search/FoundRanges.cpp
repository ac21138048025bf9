#include "core/search/FoundRanges.h"

namespace search {

QList<FoundRange> foundRanges(const QString &text, const QString &query, bool caseSensitive)
{
    QList<FoundRange> ranges;
    if (query.isEmpty())
        return ranges;
    QString haystack = caseSensitive ? text : text.toLower();
    QString needle = caseSensitive ? query : query.toLower();
    // A few letters grow when lower-cased (İ); positions must stay the
    // page's own, so such a text is compared letter by letter instead.
    Qt::CaseSensitivity cs = Qt::CaseSensitive;
    if (haystack.size() != text.size() || needle.size() != query.size()) {
        haystack = text;
        needle = query;
        cs = Qt::CaseInsensitive;
    }
    for (qsizetype at = haystack.indexOf(needle, 0, cs); at >= 0;
         at = haystack.indexOf(needle, at + needle.size(), cs))
        ranges.append({at, needle.size()});
    return ranges;
}

} // namespace search
