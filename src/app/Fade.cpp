#include "app/Fade.h"

#include <QBitmap>
#include <QImage>
#include <QWidget>

#include <cmath>

bool FadeWindow(QWidget *window, int opacity)
{
    if (!window)
        return false;
    static const char *keyed = "kvColourKeyed";
    if (!window->property(keyed).toBool()) {
        const QImage image = window->grab().toImage();
        const QImage keyMask = image.createMaskFromColor(qRgb(1, 0, 0), Qt::MaskOutColor);
        const QBitmap mask = QBitmap::fromImage(keyMask);
        if (QRegion(mask) != QRegion(image.rect()))
            window->setMask(mask);
        window->setProperty(keyed, true);
    }
    window->setWindowOpacity(qBound(0, opacity, 255) / 255.0);
    return true;
}

int systemTickInterval(int tick)
{
    constexpr double tickMs = 1000.0 / 64.0;
    return static_cast<int>(std::lround((tick + 1) * tickMs) - std::lround(tick * tickMs));
}
