#pragma once

#include "core/common/Result.h"
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

// What the font dialog keeps for the next start, as its lists show it. A
// list with nothing chosen is empty here, and its key is left as it is.
struct KeptLook
{
    qint32 colour = 0;
    std::optional<QString> family;
    std::optional<QString> size;
    std::optional<QString> style; // "Bold Italic"; kept, though a start reads no style back
};

// Writes the colour, then the typeface, size and style that were chosen.
// The first key that cannot be written ends it: the reader is told once,
// and a file that refused one key is not tried with the next.
Result keepLook(const KeptLook &look, const QString &settingsFile);

} // namespace settings
