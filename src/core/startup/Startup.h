#pragma once

#include "core/common/Result.h"
#include "platform/Platform.h"

#include <QString>
#include <QStringList>

#include <functional>

// What the program does once at start, before any window exists: the
// language folder, the system test, the running-copy test and the placing
// of the support files. The splash screen comes after.
namespace startup {

// Major plus minor as one number: the system test accepts 5 and more, which
// turns away Windows 95 (4.0) and lets every later system through.
int versionValue(platform::OsVersion v);
bool versionAccepted(platform::OsVersion v);

// The product name, a space and major.minor of the program's version.
QString instanceTitle(const QString &productName, const QString &version);

// Restores and raises every top-level window whose title contains `title`
// (ignoring case); true when there was at least one.
bool FindRunningInstance(platform::Platform &os, const QString &title);

inline const QStringList ModulesToMove = {
    QStringLiteral("eng.lng"), QStringLiteral("rus.lng"), QStringLiteral("tl.lng"),  QStringLiteral("fr.lng"),
    QStringLiteral("de.lng"),  QStringLiteral("5.lng"),   QStringLiteral("bel.lng"),
};
inline const QStringList ModulesToDelete = {
    QStringLiteral("eng.lng"), QStringLiteral("rus.lng"), QStringLiteral("tl.lng"),  QStringLiteral("fr.lng"),
    QStringLiteral("5.lng"),   QStringLiteral("de.lng"),  QStringLiteral("bel.lng"),
};
inline const QStringList RetiredModules = {QStringLiteral("1.lng"), QStringLiteral("2.lng"),
                                           QStringLiteral("3.lng"), QStringLiteral("4.lng")};

struct Folders
{
    QString program; // the folder that holds the shipped files
    QString current; // the working directory the program was started in
    QString own{};   // where language/ is kept when the program folder is read-only; empty: program
};

enum class Outcome
{
    SplashShown, // go on: the splash screen is up
    RunningCopy, // another copy was found and raised; end
    OldSystem,   // the system is too old; end
    Failed,      // something else went wrong and the reader was told what; end
};

// Loads and shows the splash screen; false when it refused to (a second
// running copy, already told to the reader).
using SplashLoader = std::function<bool()>;

// The start-up steps, the splash screen last. Messages go through the
// platform's prompts; the caller ends the program unless the outcome is
// SplashShown.
Outcome Main(platform::Platform &os, const Folders &folders, const QString &title,
             const SplashLoader &loadSplash);

} // namespace startup
