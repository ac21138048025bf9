#pragma once

#include <QString>

// Where the program's own files lie inside a folder that holds them: the
// program folder, the shipped files, or the reader's own copy of them.
// Every part of the program that names one of these files names it here.
namespace programfiles {

inline QString settingsFile(const QString &folder)
{
    return folder + QStringLiteral("/program.ini");
}

inline QString languageFolder(const QString &folder)
{
    return folder + QStringLiteral("/language");
}

// The module a first start speaks, and every unusable one falls back to.
inline QString englishModule(const QString &folder)
{
    return languageFolder(folder) + QStringLiteral("/eng.lng");
}

} // namespace programfiles
