#include "core/book/PageNumberText.h"

#include "core/book/BookTables.h"
#include "core/book/PageStore.h"

#include <cmath>
#include <limits>

namespace pagetext {

qint16 numberAtStart(const QString &text, int width)
{
    const QString head = text.left(width);
    qsizetype i = 0;
    while (i < head.size() && (head[i] == QLatin1Char(' ') || head[i] == QLatin1Char('\t')))
        ++i;
    qsizetype end = i;
    if (end < head.size() && (head[end] == QLatin1Char('-') || head[end] == QLatin1Char('+')))
        ++end;
    while (end < head.size() && head[end].isDigit() && head[end].unicode() < 128)
        ++end;
    if (end < head.size() && head[end] == QLatin1Char('.')) {
        ++end;
        while (end < head.size() && head[end].isDigit() && head[end].unicode() < 128)
            ++end;
    }
    bool ok = false;
    const double value = head.mid(i, end - i).toDouble(&ok);
    if (!ok)
        return 0;
    const double rounded = std::nearbyint(value);
    if (rounded < std::numeric_limits<qint16>::min() || rounded > std::numeric_limits<qint16>::max())
        return 0;
    return static_cast<qint16>(rounded);
}

std::optional<qint16> spreadOfPage(qint16 page)
{
    if (page < 1 || page > bookdata::PageCount)
        return std::nullopt;
    return static_cast<qint16>(bookdata::spreadOf(page));
}

} // namespace pagetext
