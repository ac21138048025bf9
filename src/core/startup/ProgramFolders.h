#pragma once

#include "core/common/ProgramFiles.h"
#include "platform/Platform.h"

#include <QString>

#include <functional>

// Where the program's own files are, for a program that may run from its
// build folder, from a prefix the reader owns, or from a system install
// the reader may not write to.
namespace programfolders {

// The folder the installed layout keeps the shipped files in, relative to
// the program file: P/bin/kvillborn reads P/share/kvillborn.
inline const QString InstalledLayout = QStringLiteral("../share/kvillborn");

struct ProgramFolders
{
    QString shipped; // the language modules and the typeface, as they came
    QString own;     // program.ini and language/: shipped when we may write there

    [[nodiscard]] bool separate() const { return own != shipped; }
    [[nodiscard]] QString settingsFile() const { return programfiles::settingsFile(own); }
    // A program.ini laid beside the shipped files holds the defaults of a
    // reader who has not chosen anything yet.
    [[nodiscard]] QString shippedSettings() const { return programfiles::settingsFile(shipped); }
    [[nodiscard]] QString languageFolder() const { return programfiles::languageFolder(own); }
};

// What the decision asks of the file system, so it can be told anything.
struct FolderChecks
{
    std::function<bool(const QString &folder)> holdsShippedFiles;
    // The folder is the reader's own to change: a build folder or a prefix
    // of their own, not a package's files, whoever may write there.
    std::function<bool(const QString &folder)> readersOwn;
};

// binaryFolder is the program file's folder; userFolder the reader's own
// data folder for this program, used only when the shipped one refuses
// writes.
[[nodiscard]] ProgramFolders decide(const QString &binaryFolder, const QString &userFolder,
                                    const FolderChecks &checks);

// The checks against the real file system.
[[nodiscard]] FolderChecks realChecks();

// For a program folder the program may not write to: the shipped
// program.ini, if there is one, becomes the reader's own, and so does every
// module in the shipped language folder. A reader's file that exists
// already is never replaced.
void takeShippedFiles(platform::Platform &os, const ProgramFolders &folders);

// The reader's data folder for this program: the same on every start and
// for every installed copy.
[[nodiscard]] QString userFolder();

} // namespace programfolders
