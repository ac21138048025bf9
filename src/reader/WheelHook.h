#pragma once

#include "reader/Wheel.h"

#include <QObject>

class OpenBook;

// Turns the reading window's wheel messages into spread turns. Installed
// once at the window's load and kept for the rest of the run.
class WheelWindowProc final : public QObject
{
    Q_OBJECT
public:
    explicit WheelWindowProc(OpenBook *window);

    qint16 direction() const { return direction_; }
    // One wheel message, as the window receives it.
    void wheelMessage(quint32 wParam);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    OpenBook *window_;
    wheel::NotchAccumulator notches_;
    qint16 direction_ = 0;
};

void HookWheel(OpenBook *window);
// Turns one spread in `direction`; direction 0 only shows the spread again.
void WheelStep(OpenBook &window, qint16 direction);
