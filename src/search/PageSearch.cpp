#include "search/PageSearch.h"

#include "reader/PageNumberText.h"
#include "reader/PageStore.h"

namespace search {

QString resultLine(int page, const QString &pageText)
{
    return pagetext::pageNumberText(page) + QLatin1Char(' ') + pageText.left(30) + QStringLiteral("...");
}

QList<Match> findPages(const QString &query, bool caseSensitive)
{
    QList<Match> matches;
    if (query.isEmpty())
        return matches;
    const QString needle = caseSensitive ? query : query.toLower();
    // Page by page until the store has no more pages.
    for (int n = 1;; ++n) {
        const auto text = bookdata::LoadPageText(n);
        if (!text || *text == QLatin1String("EOF"))
            break;
        const bool found = caseSensitive ? text->contains(needle, Qt::CaseSensitive)
                                         : text->toLower().contains(needle, Qt::CaseSensitive);
        if (found)
            matches.append({n, resultLine(n, *text)});
    }
    return matches;
}

QString summaryLine(const QString &query, int count)
{
    return QStringLiteral(" Результат поиска: - ") + query + QStringLiteral(" - Найдено совпадений: ") +
           QString::number(count);
}

} // namespace search
