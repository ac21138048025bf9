#pragma once

#include "core/common/Result.h"
#include "platform/Platform.h"

#include <QString>

// Saving a text (a poem, a set of search results) as a file the reader
// chooses.
namespace output {

// The text as UTF-8, line breaks as they are; the file is replaced whole
// or not at all.
Result writeText(const QString &path, const QString &text);

// Tells the reader, once, that `what` ("закладки", "настройки"; empty for
// a file of the reader's own) could not be written to `path`, and why.
void tellNotSaved(platform::Prompts &prompts, const QString &what, const QString &path, const QString &why);

// Asks where to save, writes, and tells the reader once, with the reason,
// when it failed. The name written is the name the reader confirmed: the
// dialog adds ".txt" to a bare name and asks before replacing a file, so
// nothing here changes the name after that question. True when the file
// was written.
bool saveTextAs(platform::Platform &os, const QString &text, const QString &dialogTitle,
                const QString &suggestedName, QObject *owner = nullptr);

} // namespace output
