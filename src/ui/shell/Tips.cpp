#include "ui/shell/Tips.h"

#include <QApplication>
#include <QEvent>

BalloonTip *CreateTipWindow(QWidget *owner, bool balloon)
{
    if (!qobject_cast<QApplication *>(QCoreApplication::instance()))
        return nullptr;
    return new BalloonTip(owner, balloon);
}

void AddTip(BalloonTip *tip, QWidget *control, const QString &text, const TipLook &look)
{
    if (tip && control)
        tip->addTool(control, text, look);
}

void DestroyTipWindows()
{
    // The tips are found as the windows they are, so nothing has to keep
    // a list that could outlive them.
    for (QWidget *window : QApplication::topLevelWidgets())
        if (auto *tip = qobject_cast<BalloonTip *>(window))
            delete tip;
}

WindowTip::WindowTip(QWidget *control, const QString &text)
    : QObject(control->window())
    , control_(control)
    , text_(text)
{
    control->window()->installEventFilter(this);
}

// Its window is going: the chooser and the search take every tip along,
// whoever made it.
WindowTip::~WindowTip()
{
    DestroyTipWindows();
}

void WindowTip::prepare()
{
    tip_ = CreateTipWindow(control_->window(), true);
    AddTip(tip_, control_, text_, BookTipLook);
}

bool WindowTip::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Show && watched == parent() && !tip_)
        prepare();
    return QObject::eventFilter(watched, event);
}
