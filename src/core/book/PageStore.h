#pragma once

#include <QString>

#include <optional>

namespace bookdata {

inline constexpr int PageCount = 166;

// The text of page n exactly as the book holds it, CR LF line breaks
// included. Pages outside 1..PageCount have no text: the search relies on
// that to know it has passed the last page. Nothing is cached; every call
// reads the compiled-in store.
std::optional<QString> LoadPageText(int n);

} // namespace bookdata
