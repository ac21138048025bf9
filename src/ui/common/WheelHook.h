#pragma once

#include "core/book/Wheel.h"

#include <QObject>

class QWidget;

// Turns a window's wheel movement into wheel messages, and those into
// turns of one spread. Installed once at the reading window's load and
// kept for the rest of the run.
class WheelWindowProc final : public QObject
{
    Q_OBJECT
public:
    explicit WheelWindowProc(QWidget *window);

    // One wheel message, as the window receives it.
    void wheelMessage(quint32 wParam);

Q_SIGNALS:
    // 1 for the next spread, -1 for the previous one; 0 (no wheel message
    // recognised yet) shows the spread again.
    void turn(int direction);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *window_;
    wheel::NotchAccumulator notches_;
    qint16 direction_ = 0;
};

WheelWindowProc *HookWheel(QWidget *window);
