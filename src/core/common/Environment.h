#pragma once

#include "platform/Platform.h"

#include <QString>

// What every window is given instead of reaching for globals: the
// operating system it talks to and the folder it was installed in.
struct Environment
{
    platform::Platform &os;
    QString programFolder; // holds program.ini, the language folder and the bookmarks

    QString settingsFile() const { return programFolder + QStringLiteral("/program.ini"); }
    QString bookmarkFile() const { return programFolder + QStringLiteral("/kvibmark.dat"); }
    QString languageFolder() const { return programFolder + QStringLiteral("/language"); }
    // The module a first start speaks, and every unusable one falls back to.
    QString englishModule() const { return languageFolder() + QStringLiteral("/eng.lng"); }
};
