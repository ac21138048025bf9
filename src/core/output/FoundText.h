#pragma once

#include <QList>
#include <QString>

// What the search keeps of the pages it found: the text shown beside its
// list and the file the reader saves.
namespace output {

// The found pages whole, in the order given: each ends in a line break and
// an empty line keeps them apart, so the text reads as a set of pages.
QString foundPagesText(const QList<int> &pages);

// A saved set of results: the summary line, an empty line, then the pages.
QString savedFoundText(const QString &query, const QList<int> &pages);

// The name offered for it: "Поиск - query.txt", or "Поиск.txt" for a
// query of spaces alone.
QString foundFileName(const QString &query);

} // namespace output
