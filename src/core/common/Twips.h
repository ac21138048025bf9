#pragma once

#include <QRect>

// Windows were laid out in twips; 15 twips make one logical pixel (96 dpi),
// and Qt scales logical pixels on HiDPI screens.
constexpr int px(int twips)
{
    return twips / 15;
}

inline QRect twipRect(int left, int top, int width, int height)
{
    return QRect(px(left), px(top), px(width), px(height));
}
