#pragma once

#include <QObject>
#include <QPoint>

class QWidget;

// Watches the reading window for the wish to see its context menu: a right
// press on the window or anything on it, or the keyboard's Menu key and
// Shift+F10. Installed last at the window's load, it sees events before
// the wheel filter, and it leaves every other event alone.
class MainWindowProc final : public QObject
{
    Q_OBJECT
public:
    explicit MainWindowProc(QWidget *window);
    ~MainWindowProc() override;

Q_SIGNALS:
    // Where the menu's top-left corner goes, in screen coordinates.
    void menuWanted(const QPoint &globalPos);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *window_;
};
