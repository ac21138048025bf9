#include "core/bookmarks/BookmarkFile.h"

#include "core/common/Encoding.h"
#include "core/common/SaveFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace bookmarks {

QStringList parse(const QByteArray &bytes)
{
    const QString text = encoding::decode(bytes);
    QStringList items;
    const qsizetype n = text.size();
    qsizetype i = 0;
    auto isLineEnd = [](QChar c) { return c == QLatin1Char('\n') || c == QLatin1Char('\r'); };
    while (i < n) {
        // Blanks before an item, and the separators between items.
        while (i < n && (text[i] == QLatin1Char(' ') || text[i] == QLatin1Char('\t') || isLineEnd(text[i])))
            ++i;
        if (i >= n)
            break;
        if (text[i] == QLatin1Char('"')) {
            const qsizetype close = text.indexOf(QLatin1Char('"'), i + 1);
            const qsizetype end = close < 0 ? n : close;
            items.append(text.mid(i + 1, end - i - 1));
            i = close < 0 ? n : close + 1;
            // Whatever follows on the line up to a comma or the line end
            // belongs to no item.
            while (i < n && text[i] != QLatin1Char(',') && !isLineEnd(text[i]))
                ++i;
            if (i < n && text[i] == QLatin1Char(','))
                ++i;
        } else {
            qsizetype end = i;
            while (end < n && !isLineEnd(text[end]))
                ++end;
            const QString line = text.mid(i, end - i).trimmed();
            if (!line.isEmpty())
                items.append(line);
            i = end;
        }
    }
    return items;
}

QByteArray serialize(const QStringList &entries)
{
    QByteArray bytes;
    for (const QString &entry : entries)
        bytes += '"' + entry.toUtf8() + "\"\r\n";
    return bytes;
}

QStringList load(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return parse(file.readAll());
}

QStringList loadOrCarryOver(const QString &path, const QString &startFolder)
{
    if (QFileInfo::exists(path))
        return load(path);
    const QString left = QDir(startFolder).filePath(QLatin1String(FileName));
    if (!QFileInfo::exists(left))
        return {};
    const QStringList entries = load(left);
    // A failed write loses nothing: the next save tries again, and the old
    // file is still there to be read.
    (void)save(path, entries);
    return entries;
}

Result save(const QString &path, const QStringList &entries)
{
    return writeWholeFile(path, serialize(entries));
}

} // namespace bookmarks
