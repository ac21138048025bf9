#pragma once

#include "core/common/Commands.h"
#include "platform/Platform.h"

#include <QObject>
#include <QPointer>

class ContextMenu;
class MainWindowProc;
class QWidget;
namespace language {
struct Captions;
}

// The reading window's right-click menu for that window's whole life: the
// menu and the filter that opens it, hooked at the end of the window's
// load and let go on every way out. It says which command was chosen.
class ReaderMenu final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ReaderMenu)

public:
    ReaderMenu(QWidget *window, platform::Prompts &prompts);

    void HookMainWindow();
    void UnhookMainWindow();
    // The captions of the module in use, as readMenuCaptions gives them;
    // when not even eng.lng names the menu (no L18), it keeps the captions
    // it was built with, as the windows keep theirs.
    void BuildContextMenu(const language::Captions &captions);
    void ShowContextMenu(const QPoint &globalPos);

Q_SIGNALS:
    void commandChosen(Command command);

private:
    void contextCommand(int id);

    QWidget *window_;
    platform::Prompts &prompts_;
    QPointer<ContextMenu> menu_;
    QPointer<MainWindowProc> proc_;
};
