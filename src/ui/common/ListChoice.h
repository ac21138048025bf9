#pragma once

#include <QObject>

class QListWidget;

// One action of the reader makes one choice from a list: the mouse gesture
// (a click or a double-click) or Enter on the current line. Qt's
// itemActivated is not used: it fires beside the mouse signals on a
// double-click, and on some desktops on a single click too. Enter is
// consumed here, so it never reaches a dialog's default button as well.
class ListChoice final : public QObject
{
    Q_OBJECT
public:
    enum class Mouse
    {
        Click,
        DoubleClick
    };
    ListChoice(QListWidget *list, Mouse gesture);

Q_SIGNALS:
    void chosen();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QListWidget *list_;
};
