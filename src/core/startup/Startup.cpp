#include "core/startup/Startup.h"

#include "core/common/ProgramFiles.h"
#include "core/common/Version.h"

#include <exception>

namespace startup {

int versionValue(platform::OsVersion v)
{
    return v.major + v.minor;
}

bool versionAccepted(platform::OsVersion v)
{
    return versionValue(v) >= 5;
}

QString instanceTitle(const QString &productName, const QString &version)
{
    return productName + QLatin1Char(' ') + versionFields(version, {0, 1});
}

bool FindRunningInstance(platform::Platform &os, const QString &title)
{
    int found = 0;
    for (const platform::TopWindow &w : os.topLevelWindows()) {
        if (w.title.contains(title, Qt::CaseInsensitive)) {
            os.restoreAndRaise(w.id);
            ++found;
        }
    }
    return found >= 1;
}

namespace {
Outcome placeAndShow(platform::Platform &os, const Folders &folders, const QString &title,
                     const QString &language, platform::OsVersion version, const SplashLoader &loadSplash);
}

Outcome Main(platform::Platform &os, const Folders &folders, const QString &title,
             const SplashLoader &loadSplash)
{
    const QString language =
        programfiles::languageFolder(folders.own.isEmpty() ? folders.program : folders.own);
    os.makeFolder(language);
    const platform::OsVersion version = os.osVersion();
    // Whatever fails from here on is told as what it is; only a running
    // copy is reported as one.
    try {
        return placeAndShow(os, folders, title, language, version, loadSplash);
    } catch (const std::exception &failure) {
        os.prompts().message(QStringLiteral("Не удалось запустить программу:\r\n") +
                                 QString::fromLocal8Bit(failure.what()),
                             QStringLiteral("Error..."), platform::Icon::Information);
        return Outcome::Failed;
    }
}

namespace {

Outcome placeAndShow(platform::Platform &os, const Folders &folders, const QString &title,
                     const QString &language, platform::OsVersion version, const SplashLoader &loadSplash)
{
    // A running copy is looked for before the system is judged, so a
    // reader whose system is too old for the book and who starts it twice
    // hears about the copy, not about the system.
    if (FindRunningInstance(os, title)) {
        os.prompts().message(QStringLiteral("Programm already started!!!\r\n:-("), QStringLiteral("Error..."),
                             platform::Icon::Information);
        return Outcome::RunningCopy;
    }
    if (!versionAccepted(version)) {
        os.prompts().message(
            QStringLiteral(
                "К сожалению Windows 95, не поддерживается.\r\nпопробуйте Windows 98, 2000 или XP"),
            QStringLiteral("От авторов..."), platform::Icon::Information);
        return Outcome::OldSystem;
    }

    const QString system = os.systemFolder();

    // Every copy keeps what is already in place; every delete tolerates a
    // missing file. A second start therefore changes nothing.
    for (const QString &module : ModulesToMove)
        os.copyWithoutOverwrite(folders.program + QLatin1Char('/') + module,
                                language + QLatin1Char('/') + module);
    for (const char *support : {"richtx32.ocx", "Xvoice.dll"}) {
        const QString name = QLatin1String(support);
        os.copyWithoutOverwrite(folders.current + QLatin1Char('/') + name, system + QLatin1Char('/') + name);
    }
    const QString fonts = os.fontsFolder();
    if (os.copyWithoutOverwrite(folders.current + QStringLiteral("/ps_____r.ttf"),
                                fonts + QStringLiteral("/ps_____r.ttf")))
        os.openWithShell(fonts);

    // The shipped modules leave the program folder only when that folder is
    // the reader's own; an installed copy's files are never touched.
    if (folders.own.isEmpty() || folders.own == folders.program)
        for (const QString &module : ModulesToDelete)
            os.removeFile(folders.program + QLatin1Char('/') + module);
    for (const QString &module : RetiredModules)
        os.removeFile(language + QLatin1Char('/') + module);
    return loadSplash() ? Outcome::SplashShown : Outcome::RunningCopy;
}

} // namespace

} // namespace startup
