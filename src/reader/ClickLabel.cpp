#include "reader/ClickLabel.h"

#include <QKeyEvent>
#include <QMouseEvent>

void ClickLabel::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::RightButton)
        Q_EMIT rightPressed(event->globalPosition().toPoint());
    event->accept();
}

void ClickLabel::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        Q_EMIT clicked();
    event->accept();
}

// Focusable labels (the turning buttons) answer the keyboard like buttons.
void ClickLabel::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        Q_EMIT clicked();
        event->accept();
        return;
    default:
        QLabel::keyPressEvent(event);
    }
}
