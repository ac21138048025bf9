#pragma once

#include "common/Result.h"

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
// The whole file, replaced at once or not at all.
Result save(const QString &path, const QStringList &entries);

} // namespace bookmarks
