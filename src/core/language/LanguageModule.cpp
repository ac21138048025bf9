#include "core/language/LanguageModule.h"

#include "core/settings/Profile.h"

#include <QDir>

#include <algorithm>

namespace language {

QString usableModule(const QString &path, const QString &programFolder)
{
    if (!ReadIniString(CaptionSection, QStringLiteral("L1"), QString(), path).isEmpty())
        return path;
    return programfiles::englishModule(programFolder);
}

QString entryText(const QString &lang, const QString &authors)
{
    return lang + QStringLiteral(" - Автор модуля - ") + authors;
}

QList<ModuleFile> scanModules(const QString &programFolder)
{
    const QDir folder(languageFolder(programFolder));
    QList<ModuleFile> modules;
    const QStringList names = folder.entryList({QStringLiteral("*.lng")}, QDir::Files | QDir::Readable,
                                               QDir::Name | QDir::IgnoreCase);
    for (const QString &name : names) {
        const QString path = folder.filePath(name);
        const QString lang = profile::readString(InfoSection, QStringLiteral("lang"),
                                                 QStringLiteral("Нет языковых модулей"), path, 255);
        const QString authors =
            profile::readString(InfoSection, QStringLiteral("Authors"), QStringLiteral("Нет"), path, 255);
        modules.append({name, entryText(lang, authors)});
    }
    // The reader looks for a language by its name, not by its file.
    std::stable_sort(modules.begin(), modules.end(), [](const ModuleFile &a, const ModuleFile &b) {
        return QString::localeAwareCompare(a.entryText, b.entryText) < 0;
    });
    return modules;
}

} // namespace language
