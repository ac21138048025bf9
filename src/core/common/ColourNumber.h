#pragma once

#include <QtGlobal>

// Colours are stored in program.ini as one Windows colour number, red +
// 256 green + 65536 blue, so existing settings files keep their colours.
// Whoever paints or picks a colour turns it from or into this number here.
struct Rgb
{
    int red = 0;
    int green = 0;
    int blue = 0;
};

constexpr qint32 colourNumber(const Rgb &c)
{
    return c.red + 256 * c.green + 65536 * c.blue;
}

constexpr Rgb rgbOf(qint32 number)
{
    return {number & 0xFF, (number >> 8) & 0xFF, (number >> 16) & 0xFF};
}
