#pragma once

#include <QString>

#include <optional>

// Page numbers as the reader sees them (" 13") and as texts that begin
// with one (bookmark entries, search results) are read back.
namespace pagetext {

// " 13": the number with the sign place of a positive number.
inline QString pageNumberText(int page)
{
    return QLatin1Char(' ') + QString::number(page);
}

// The number written in the first `width` characters of `text` (leading
// blanks skipped, a fraction rounded half to even), or 0 when there is
// none or it does not fit a 16-bit page number.
qint16 numberAtStart(const QString &text, int width);

// The left page of the spread that holds page `page`, or nullopt for a
// number that names no page of the book.
std::optional<qint16> spreadOfPage(qint16 page);

} // namespace pagetext
