#include "ui/common/ListChoice.h"

#include <QKeyEvent>
#include <QListWidget>

ListChoice::ListChoice(QListWidget *list, Mouse gesture)
    : QObject(list)
    , list_(list)
{
    if (gesture == Mouse::Click)
        connect(list, &QListWidget::itemClicked, this, &ListChoice::chosen);
    else
        connect(list, &QListWidget::itemDoubleClicked, this, &ListChoice::chosen);
    list->installEventFilter(this);
}

bool ListChoice::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != list_ || event->type() != QEvent::KeyPress)
        return false;
    const int key = static_cast<QKeyEvent *>(event)->key();
    if (key != Qt::Key_Return && key != Qt::Key_Enter)
        return false;
    if (list_->currentItem())
        Q_EMIT chosen();
    return true;
}
