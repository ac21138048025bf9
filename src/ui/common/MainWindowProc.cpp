#include "ui/common/MainWindowProc.h"

#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWidget>

MainWindowProc::MainWindowProc(QWidget *window)
    : QObject(window)
    , window_(window)
{
    setObjectName(QStringLiteral("MainWindowProc"));
    window->installEventFilter(this);
}

MainWindowProc::~MainWindowProc()
{
    window_->removeEventFilter(this);
}

bool MainWindowProc::eventFilter(QObject *watched, QEvent *event)
{
    // A press on a page or title reaches the window as it travels up from
    // the label that ignored it.
    if (watched != window_)
        return false;
    switch (event->type()) {
    case QEvent::KeyPress: {
        // The keyboard's ways to the menu, wherever the focus is on the
        // window: it opens over the pages.
        const auto *key = static_cast<QKeyEvent *>(event);
        const bool menuKey = key->key() == Qt::Key_Menu ||
                             (key->key() == Qt::Key_F10 && key->modifiers() == Qt::ShiftModifier);
        if (!menuKey)
            return false;
        Q_EMIT menuWanted(window_->mapToGlobal(window_->rect().center()));
        return true;
    }
    case QEvent::MouseButtonPress: {
        const auto *press = static_cast<QMouseEvent *>(event);
        if (press->button() != Qt::RightButton)
            return false;
        Q_EMIT menuWanted(press->globalPosition().toPoint());
        return true;
    }
    case QEvent::ContextMenu:
        // The mouse's own request follows the press that already opened
        // the menu, and the keyboard's follows the key handled above.
        return true;
    default:
        return false;
    }
}
