#include "core/search/PageSearch.h"

#include "core/book/PageNumberText.h"
#include "core/book/PageStore.h"

#include <vector>

namespace search {
namespace {

struct SearchPage
{
    QString text;
    QString lower;
};

// The pages are compiled into the program and never change while it runs,
// so each is read and lower-cased once, at the first search, instead of at
// every search: lower-casing the whole book was most of a search's time.
const std::vector<SearchPage> &searchPages()
{
    static const std::vector<SearchPage> pages = [] {
        std::vector<SearchPage> book;
        // Page by page until the store has no more pages.
        for (int n = 1;; ++n) {
            const auto text = bookdata::LoadPageText(n);
            if (!text)
                break;
            book.push_back({*text, text->toLower()});
        }
        return book;
    }();
    return pages;
}

} // namespace

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
    const std::vector<SearchPage> &pages = searchPages();
    for (size_t i = 0; i < pages.size(); ++i) {
        const SearchPage &page = pages[i];
        if ((caseSensitive ? page.text : page.lower).contains(needle, Qt::CaseSensitive)) {
            const int n = static_cast<int>(i) + 1;
            matches.append({n, resultLine(n, page.text)});
        }
    }
    return matches;
}

QString summaryLine(const QString &query, int count)
{
    return QStringLiteral(" Результат поиска: - ") + query + QStringLiteral(" - Найдено совпадений: ") +
           QString::number(count);
}

} // namespace search
