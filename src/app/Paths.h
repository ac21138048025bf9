#pragma once

#include <QString>

// The program folder: where the program file, program.ini and the
// language folder live. Tests point it at a folder of their own.
namespace paths {

QString programFolder();
void setProgramFolder(const QString &folder);

inline QString settingsFile()
{
    return programFolder() + QStringLiteral("/program.ini");
}

} // namespace paths
