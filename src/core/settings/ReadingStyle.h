#pragma once

#include <QString>

#include <optional>

// The look of the page texts: what program.ini keeps and what the font
// dialog changes. A part left empty is left as the pages wear it, so a
// dialog that had nothing chosen in a list does not blank the pages.
struct ReadingStyle
{
    std::optional<QString> family; // the page typeface; the titles keep their own
    std::optional<float> pointSize;
    std::optional<bool> bold;
    std::optional<bool> italic;
    std::optional<bool> underline; // pages only
    std::optional<bool> strikeOut; // pages only
    std::optional<qint32> colour;  // red + 256 green + 65536 blue
};
