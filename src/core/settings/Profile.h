#pragma once

#include "core/common/Result.h"

#include <QString>
#include <QStringList>

// INI-style profile files: program.ini and the language modules. Section
// and key names match without regard to case; a missing file, section or
// key yields the default. Writing one key rewrites only that key's line:
// every other byte of the file (comments, order, unknown keys, even junk)
// stays as it was, and the file is replaced whole or not at all.
namespace profile {

// What a caller with a buffer of `bufferSize` characters sees: the value
// (or the default) cut to bufferSize - 1 characters.
QString readString(const QString &section, const QString &key, const QString &defaultValue,
                   const QString &fileName, int bufferSize);

// Several keys of one section in one reading of the file; a missing key
// reads as the empty text.
QStringList readStrings(const QString &section, const QStringList &keys, const QString &fileName,
                        int bufferSize);

Result writeString(const QString &section, const QString &key, const QString &value, const QString &fileName);

} // namespace profile

// The program's general reader: at most 1023 characters of a value.
QString ReadIniString(const QString &section, const QString &key, const QString &defaultValue,
                      const QString &fileName);
// The same read, under the name the context menu uses.
QString ReadLanguageString(const QString &section, const QString &key, const QString &defaultValue,
                           const QString &fileName);
