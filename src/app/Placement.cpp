#include "app/Placement.h"

#include "platform/Platform.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

void centreOnScreen(QWidget *window)
{
    // A Wayland client cannot place its windows; the compositor does, and
    // puts a new one where it sees fit.
    if (platform::onWayland())
        return;
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        window->move(screen->availableGeometry().center() - window->rect().center());
}
