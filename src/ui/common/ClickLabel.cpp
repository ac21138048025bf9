#include "ui/common/ClickLabel.h"

#include <QKeyEvent>
#include <QMouseEvent>

void ClickLabel::mousePressEvent(QMouseEvent *event)
{
    // The right button is left to the window's context menu.
    if (event->button() == Qt::LeftButton)
        event->accept();
    else
        event->ignore();
}

void ClickLabel::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
        event->accept();
        Q_EMIT clicked();
        return;
    }
    event->ignore();
}

void ClickLabel::keyPressEvent(QKeyEvent *event)
{
    if (actsAsButton_) {
        switch (event->key()) {
        case Qt::Key_Space:
        case Qt::Key_Return:
        case Qt::Key_Enter:
            event->accept();
            Q_EMIT clicked();
            return;
        default:
            break;
        }
    }
    QLabel::keyPressEvent(event);
}
