#pragma once

#include <QColor>

// Colours are stored in program.ini as one Windows colour number, red +
// 256 green + 65536 blue, so existing settings files keep their colours.
// The windows turn them into QColor only to paint.
inline QColor toQColor(qint32 c)
{
    return QColor(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF);
}
inline qint32 fromQColor(const QColor &c)
{
    return c.red() + 256 * c.green() + 65536 * c.blue();
}
