#pragma once

#include <QApplication>
#include <QMouseEvent>
#include <QTest>

// A double-click as the window system delivers it: press, release, then a
// second press reported as a double-click, and its release. QTest's own
// mouseDClick leaves out the first release, so it cannot show whether one
// double-click makes one action.
inline void doubleClickAt(QWidget *target, QPoint at)
{
    QTest::mousePress(target, Qt::LeftButton, {}, at);
    QTest::mouseRelease(target, Qt::LeftButton, {}, at);
    const QPointF local(at);
    QMouseEvent dbl(QEvent::MouseButtonDblClick, local, target->mapToGlobal(local), Qt::LeftButton,
                    Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &dbl);
    QTest::mouseRelease(target, Qt::LeftButton, {}, at);
}
