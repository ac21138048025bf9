// A program that does nothing but write one kind of file, again and again,
// each time with new content of a recognisable shape, so a test can kill
// it at any moment and look at what is left. It says "w" on its output
// before each write.
#include "core/bookmarks/BookmarkFile.h"
#include "core/output/SaveText.h"
#include "core/settings/Profile.h"

#include <QStringList>

#include <cstdio>

namespace {

// Round n's content: every character of it tells which round it was.
QChar mark(int round)
{
    return QChar(u'А' + round % 32);
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc != 3)
        return 2;
    const QByteArray kind = argv[1];
    const QString path = QString::fromLocal8Bit(argv[2]);
    for (int round = 0;; ++round) {
        std::fputs("w\n", stdout);
        std::fflush(stdout);
        Result written;
        if (kind == "settings") {
            written = profile::writeString(QStringLiteral("general"), QStringLiteral("Font"),
                                           QString(40000, mark(round)), path);
        } else if (kind == "bookmarks") {
            QStringList entries;
            for (int i = 0; i < 4000; ++i)
                entries << QString(3, mark(round)) + QString::number(i);
            written = bookmarks::save(path, entries);
        } else {
            written = output::writeText(path, QString(120000, mark(round)));
        }
        if (!written)
            return 1;
    }
}
