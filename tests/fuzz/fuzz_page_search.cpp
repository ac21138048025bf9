// Any text as a search query, in both case modes: the pages found are
// exactly those a plain scan over the book's 166 pages finds.
#include "FuzzSupport.h"
#include "core/book/PageNumberText.h"
#include "core/book/PageStore.h"
#include "core/search/PageSearch.h"

#include <algorithm>
#include <vector>

namespace {

struct Page
{
    QString text;
    QString lower;
};

const std::vector<Page> &pages()
{
    static const std::vector<Page> all = [] {
        std::vector<Page> book;
        for (int n = 1; n <= bookdata::PageCount; ++n) {
            const QString text = bookdata::LoadPageText(n).value_or(QString());
            book.push_back({text, text.toLower()});
        }
        return book;
    }();
    return all;
}

// A scan by UTF-16 code units, independent of QString::contains.
bool holds(const QString &text, const QString &needle)
{
    return std::search(text.begin(), text.end(), needle.begin(), needle.end()) != text.end();
}

void check(const QString &query, bool caseSensitive)
{
    const QList<search::Match> found = search::findPages(query, caseSensitive);
    QList<int> expected;
    if (!query.isEmpty()) {
        const QString needle = caseSensitive ? query : query.toLower();
        for (int n = 1; n <= bookdata::PageCount; ++n) {
            const Page &page = pages()[static_cast<size_t>(n - 1)];
            if (holds(caseSensitive ? page.text : page.lower, needle))
                expected << n;
        }
    }
    fuzz::require(found.size() == expected.size(), "as many pages as a plain scan finds");
    for (qsizetype i = 0; i < found.size(); ++i) {
        fuzz::require(found[i].page == expected[i], "the same pages, in page order");
        fuzz::require(found[i].line == search::resultLine(found[i].page, pages()[found[i].page - 1].text),
                      "each result line starts with its page's own text");
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    // The query box takes any text; decoding as the program decodes files
    // lets the fuzzer reach Cyrillic from single bytes too.
    const QString query = encoding::decode(fuzz::bytesOf(data, size));
    check(query, false);
    check(query, true);
    return 0;
}
