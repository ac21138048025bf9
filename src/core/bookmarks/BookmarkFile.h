#pragma once

#include "core/common/Result.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

// kvibmark.dat: one quoted entry per line, `" 13"` + CR LF, in list order.
namespace bookmarks {

inline constexpr auto FileName = "kvibmark.dat";

// Quoted items (commas and spaces inside the quotes belong to the item)
// separated by commas or line ends; a hand-edited line without quotes is
// taken as its trimmed text. Any bytes at all are read without harm.
QStringList parse(const QByteArray &bytes);
QByteArray serialize(const QStringList &entries);

// Missing or unreadable file: no entries.
QStringList load(const QString &path);
// The reader's bookmarks at `path`. The first time there is none, a file
// left in `startFolder` (where bookmarks were kept once, and which depends
// on how the program was started) is read and written to `path`; the
// start folder is never written.
QStringList loadOrCarryOver(const QString &path, const QString &startFolder);
// The whole file, replaced at once or not at all.
Result save(const QString &path, const QStringList &entries);

} // namespace bookmarks
