#include "ui/common/WheelHook.h"

#include <QWheelEvent>
#include <QWidget>

WheelWindowProc::WheelWindowProc(QWidget *window)
    : QObject(window)
    , window_(window)
{
    setObjectName(QStringLiteral("WheelWindowProc"));
    window->installEventFilter(this);
}

void WheelWindowProc::wheelMessage(quint32 wParam)
{
    direction_ = wheel::directionFor(wParam, direction_);
    Q_EMIT turn(direction_);
}

bool WheelWindowProc::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != window_ || event->type() != QEvent::Wheel)
        return false;
    const auto *wheelEvent = static_cast<QWheelEvent *>(event);
    quint32 flags = 0;
    const Qt::KeyboardModifiers keys = wheelEvent->modifiers();
    const Qt::MouseButtons buttons = wheelEvent->buttons();
    if (keys & Qt::ShiftModifier)
        flags |= wheel::MK_SHIFT;
    if (keys & Qt::ControlModifier)
        flags |= wheel::MK_CONTROL;
    if (buttons & Qt::LeftButton)
        flags |= wheel::MK_LBUTTON;
    if (buttons & Qt::RightButton)
        flags |= wheel::MK_RBUTTON;
    if (buttons & Qt::MiddleButton)
        flags |= wheel::MK_MBUTTON;
    if (const auto wParam = notches_.add(wheelEvent->angleDelta().y(), flags))
        wheelMessage(*wParam);
    return true; // consumed, whole notch or not
}

WheelWindowProc *HookWheel(QWidget *window)
{
    return new WheelWindowProc(window);
}
