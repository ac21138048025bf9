#pragma once

#include "common/Result.h"
#include "platform/Platform.h"

#include <QString>

// Saving a text (a poem, a set of search results) as a file the reader
// chooses.
namespace output {

// ".txt" is added only when the name lacks it.
QString withTextSuffix(const QString &path);

// The text as UTF-8, line breaks as they are; the file is replaced whole
// or not at all.
Result writeText(const QString &path, const QString &text);

// Asks where to save (the dialog asks before replacing a file), writes,
// and tells the reader once, with the reason, when it failed. True when
// the file was written.
bool saveTextAs(platform::Platform &os, const QString &text, const QString &dialogTitle,
                const QString &suggestedName);

} // namespace output
