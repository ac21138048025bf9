#pragma once

#include "core/common/ColourNumber.h"

#include <QColor>

// The windows turn the stored colour numbers into QColor only to paint.
inline QColor toQColor(qint32 c)
{
    const Rgb rgb = rgbOf(c);
    return QColor(rgb.red, rgb.green, rgb.blue);
}
inline qint32 fromQColor(const QColor &c)
{
    return colourNumber({c.red(), c.green(), c.blue()});
}
