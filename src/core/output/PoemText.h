#pragma once

#include <QString>

// The text of one poem as the poem window holds it, and as it goes into a
// file, onto paper or into a word processor.
namespace output {

inline constexpr auto PoetName = "Арвий Квиллборн";

// The pages of entry `entry`'s poem (1-based), joined by an empty line,
// CR LF throughout, nothing after the last page. Empty for a number that
// names no entry.
QString poemPagesText(int entry);

// The entry's list text, an empty line, then its pages: the whole poem
// window text for that entry.
QString poemText(int entry);

// What a saved poem file holds: the poet's name line, the text, and one
// closing line break. An empty text still gives the name and an empty line.
QString savedPoemText(const QString &text);

// `text` with every character some desktop refuses in a file name (path
// separators, reserved and control characters) turned into "_".
QString withoutReservedCharacters(const QString &text);

// A name a file can have on any desktop, taken from a contents entry: no
// path separators or reserved characters, and no leading or trailing dots
// or spaces (an entry such as "...и снова" must not become a hidden file,
// nor "Ночь..." a name whose suffix the save dialog mistakes). Empty when
// nothing is left.
QString fileNameFrom(const QString &entryText);

} // namespace output
