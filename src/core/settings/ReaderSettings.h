#pragma once

#include "core/settings/ReadingStyle.h"

#include <QString>

namespace settings {

// What the reading window takes from program.ini when it loads.
struct ReaderSettings
{
    ReadingStyle style; // family, size and colour, every one filled
    QString modulePath; // the language module that speaks to the reader
};

// A size or colour the window cannot take falls back to its default for
// this run alone; the file keeps what the reader wrote.
ReaderSettings readReaderSettings(const QString &settingsFile, const QString &englishModule);

} // namespace settings
