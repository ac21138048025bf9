#include "ui/shell/Tips.h"

#include <QApplication>

bool InitTipControls(int)
{
    return qobject_cast<QApplication *>(QCoreApplication::instance()) != nullptr;
}

BalloonTip *CreateTipWindow(QWidget *owner, bool balloon)
{
    if (!InitTipControls(ICC_BAR_CLASSES))
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
