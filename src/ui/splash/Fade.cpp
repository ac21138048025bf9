#include "ui/splash/Fade.h"

#include "platform/Platform.h"

#include <QBitmap>
#include <QGraphicsOpacityEffect>
#include <QImage>
#include <QWidget>

#include <cmath>

namespace {
const char *const Faded = "kvFaded";
}

bool FadeWindow(QWidget *window, int opacity)
{
    if (!window)
        return false;
    if (!window->property(Faded).toBool()) {
        window->setProperty(Faded, true);
        const QImage image = window->grab().toImage();
        const QImage keyMask = image.createMaskFromColor(qRgb(1, 0, 0), Qt::MaskOutColor);
        const QBitmap mask = QBitmap::fromImage(keyMask);
        if (QRegion(mask) != QRegion(image.rect()))
            window->setMask(mask);
        // The window's own opacity is a request to the window system that
        // Wayland refuses; painting the window see-through works on every
        // desktop that composes windows and looks the same.
        if (platform::windowsCompose()) {
            window->setAttribute(Qt::WA_TranslucentBackground);
            window->setGraphicsEffect(new QGraphicsOpacityEffect(window));
        }
    }
    if (auto *effect = qobject_cast<QGraphicsOpacityEffect *>(window->graphicsEffect()))
        effect->setOpacity(qBound(0, opacity, 255) / 255.0);
    return true;
}

int systemTickInterval(int tick)
{
    constexpr double tickMs = 1000.0 / 64.0;
    return static_cast<int>(std::lround((tick + 1) * tickMs) - std::lround(tick * tickMs));
}
