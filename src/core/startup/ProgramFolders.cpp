#include "core/startup/ProgramFolders.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryFile>

namespace programfolders {

ProgramFolders decide(const QString &binaryFolder, const QString &userFolder, const FolderChecks &checks)
{
    ProgramFolders folders;
    const QString installed = QDir::cleanPath(binaryFolder + QLatin1Char('/') + InstalledLayout);
    folders.shipped = checks.holdsShippedFiles(installed) ? installed : QDir::cleanPath(binaryFolder);
    // Without a user folder (no home at all) the shipped folder is still
    // the best place to try: the program then behaves as it always did.
    folders.own = checks.readersOwn(folders.shipped) || userFolder.isEmpty() ? folders.shipped
                                                                           : QDir::cleanPath(userFolder);
    return folders;
}

FolderChecks realChecks()
{
    FolderChecks checks;
    // The typeface is the one shipped file every start needs.
    checks.holdsShippedFiles = [](const QString &folder) {
        return QFileInfo::exists(folder + QStringLiteral("/ps_____r.ttf"));
    };
    // Root may write to an installed copy's folder, yet a package's files
    // must stay as the package laid them: only the owner's folder counts.
    // Permission bits do not tell the whole truth either: a read-only
    // mount, an immutable folder or an ACL refuse what the bits allow. A
    // file made and removed at once does.
    checks.readersOwn = [](const QString &folder) {
        // /usr belongs to the system's packages, whoever owns it there.
        const QString clean = QDir::cleanPath(folder);
        if (clean == QLatin1String("/usr") || clean.startsWith(QLatin1String("/usr/")))
            return false;
        if (!platform::ownedByUser(folder))
            return false;
        QTemporaryFile probe(folder + QStringLiteral("/.kvillborn-write-test-XXXXXX"));
        return probe.open();
    };
    return checks;
}

void takeShippedFiles(platform::Platform &os, const ProgramFolders &folders)
{
    if (!folders.separate() || !os.makeFolder(folders.languageFolder()))
        return;
    // Modules in the shipped folder's own language folder: an administrator
    // may lay them there, and a start with the rights to write there moves
    // the shipped ones in, where the start-up no longer finds them.
    const QDir shippedLanguages(programfiles::languageFolder(folders.shipped));
    for (const QString &module : shippedLanguages.entryList({QStringLiteral("*.lng")}, QDir::Files))
        os.copyWithoutOverwrite(shippedLanguages.filePath(module),
                                folders.languageFolder() + QLatin1Char('/') + module);

    if (!os.copyWithoutOverwrite(folders.shippedSettings(), folders.settingsFile()))
        return;
    // A copy keeps the mode of the shipped file, read-only on some media;
    // the reader's copy has to take their next choice.
    QFile::setPermissions(folders.settingsFile(),
                          QFile::permissions(folders.settingsFile()) | QFile::ReadOwner | QFile::WriteOwner);
}

QString userFolder()
{
    const QString data = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    return data.isEmpty() ? QString() : data + QStringLiteral("/kvillborn");
}

} // namespace programfolders
