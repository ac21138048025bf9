#pragma once

#include "core/common/ProgramFiles.h"
#include "platform/Platform.h"

#include <QString>

// What every window is given instead of reaching for globals: the
// operating system it talks to and the folder it was installed in.
struct Environment
{
    platform::Platform &os;
    QString programFolder; // holds program.ini, the language folder and the bookmarks

    QString settingsFile() const { return programfiles::settingsFile(programFolder); }
    QString bookmarkFile() const { return programFolder + QStringLiteral("/kvibmark.dat"); }
    QString languageFolder() const { return programfiles::languageFolder(programFolder); }
    QString englishModule() const { return programfiles::englishModule(programFolder); }
};
