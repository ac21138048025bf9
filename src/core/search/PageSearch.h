#pragma once

#include <QList>
#include <QString>

// The word-or-phrase search over every page of the book.
namespace search {

struct Match
{
    int page = 0;
    QString line; // " 8 " + the page's first 30 characters + "..."
};

// Every page that holds `query` at least once, in page order. Without
// `caseSensitive` both sides are lower-cased first (Cyrillic included);
// with it, characters are compared by their codes.
QList<Match> findPages(const QString &query, bool caseSensitive);

QString resultLine(int page, const QString &pageText);

// The line that heads a saved set of results.
QString summaryLine(const QString &query, int count);

} // namespace search
