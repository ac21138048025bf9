// Any bytes as kvibmark.dat: read, written back, read again. An entry that
// holds a quote or a line break cannot survive the quoted format; every
// other entry, and every entry the program itself makes (" 13"), must.
#include "FuzzSupport.h"
#include "core/bookmarks/BookmarkFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QStringList read = bookmarks::parse(fuzz::bytesOf(data, size));

    QStringList keepable;
    for (const QString &entry : read) {
        if (!entry.contains(QLatin1Char('"')) && !entry.contains(QLatin1Char('\r')) &&
            !entry.contains(QLatin1Char('\n')))
            keepable << entry;
    }
    fuzz::require(bookmarks::parse(bookmarks::serialize(keepable)) == keepable,
                  "entries without quotes or line breaks survive saving");
    // Whatever was read can be saved and read again without harm.
    const QStringList again = bookmarks::parse(bookmarks::serialize(read));
    fuzz::require(again.size() >= keepable.size(), "saving never loses a keepable entry");
    return 0;
}
