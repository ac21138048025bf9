#include "core/output/PoemText.h"

#include "core/book/BookTables.h"
#include "core/book/PageStore.h"

#include <QRegularExpression>

namespace output {

namespace {
const QString EmptyLine = QStringLiteral("\r\n\r\n");
}

QString poemPagesText(int entry)
{
    const auto pages = bookdata::poemPages(entry);
    if (!pages)
        return {};
    QString text;
    for (int page = pages->first; page <= pages->last; ++page) {
        // Every page of the table exists; should one ever be missing, the
        // text keeps what came before it rather than a hole in the middle.
        const auto pageText = bookdata::LoadPageText(page);
        if (!pageText)
            break;
        if (page != pages->first)
            text += EmptyLine;
        text += *pageText;
    }
    return text;
}

QString poemText(int entry)
{
    const QStringList entries = bookdata::contentsEntries();
    if (entry < 1 || entry > entries.size())
        return {};
    return entries[entry - 1] + EmptyLine + poemPagesText(entry);
}

QString savedPoemText(const QString &text)
{
    return QString::fromUtf8(PoetName) + QStringLiteral("\r\n") + text + QStringLiteral("\r\n");
}

QString withoutReservedCharacters(const QString &text)
{
    static const QRegularExpression reserved(QStringLiteral("[\\\\/:*?\"<>|\\x00-\\x1f]"));
    return QString(text).replace(reserved, QStringLiteral("_"));
}

QString fileNameFrom(const QString &entryText)
{
    static const QRegularExpression dotsAndSpaces(QStringLiteral("^[.\\s]+|[.\\s]+$"));
    return withoutReservedCharacters(entryText).remove(dotsAndSpaces);
}

} // namespace output
