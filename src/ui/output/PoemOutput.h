#pragma once

#include "core/common/Result.h"
#include "core/settings/ReadingStyle.h"

#include <QDateTime>
#include <QFont>
#include <QString>

class QPrinter;

// The poem on paper and in a word processor's file.
namespace output {

// The reading face one step up for paper: the page typeface and its
// style, 5 points larger. A style that leaves a part open takes the book's
// own look for it.
QFont printFont(const ReadingStyle &style);

// Prints `text` (CR LF line breaks) in `font` on `printer` as the print
// dialog set it up, followed by two lines holding one space. Long lines
// wrap and the text runs on to further pages. Fails when the printer
// could not take the job.
Result printPoem(QPrinter &printer, const QString &text, const QFont &font);

// Writes `text` and then one paragraph mark as an OpenDocument text
// template, every paragraph in 16-point type: the word processor opens it
// as a new document holding the poem.
Result writePoemTemplate(const QString &path, const QString &text);

// Removes what the poem window handed over more than a day before `now`
// from `folder`; the word processor has long read those.
void removeStaleDocuments(const QString &folder, const QDateTime &now);

} // namespace output
