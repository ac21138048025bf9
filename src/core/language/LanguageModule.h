#pragma once

#include "core/common/ProgramFiles.h"

#include <QList>
#include <QString>

// Interface-language modules: INI-style files in the program's language
// folder, captions under [Language1] as L1..L58, name and authors under
// [general].
namespace language {

inline const QString CaptionSection = QStringLiteral("Language1");
inline const QString InfoSection = QStringLiteral("general");

// The module to read captions from: `path` itself when its L1 is filled,
// otherwise eng.lng of the program's language folder (whatever that holds).
QString usableModule(const QString &path, const QString &programFolder);

using programfiles::languageFolder;

struct ModuleFile
{
    QString fileName;  // as found in the folder, e.g. "rus.lng"
    QString entryText; // "lang - Автор модуля - Authors"
};

// The modules of the language folder, ordered by what the reader sees.
QList<ModuleFile> scanModules(const QString &programFolder);

QString entryText(const QString &lang, const QString &authors);

} // namespace language
