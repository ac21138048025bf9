#include "ui/shell/ReaderMenu.h"

#include "core/language/Captions.h"
#include "ui/common/MainWindowProc.h"
#include "ui/shell/ContextMenu.h"

#include <QWidget>

ReaderMenu::ReaderMenu(QWidget *window, platform::Prompts &prompts)
    : QObject(window)
    , window_(window)
    , prompts_(prompts)
{
    setObjectName(QStringLiteral("ReaderMenu"));
}

void ReaderMenu::HookMainWindow()
{
    if (proc_)
        return;
    menu_ = new ContextMenu(window_);
    connect(menu_, &ContextMenu::commandChosen, this, &ReaderMenu::contextCommand);
    proc_ = new MainWindowProc(window_);
    connect(proc_, &MainWindowProc::menuWanted, this, &ReaderMenu::ShowContextMenu);
}

// The exit command arrives from inside the menu's own click handling: the
// filter goes at once, the menu once that handling is over.
void ReaderMenu::UnhookMainWindow()
{
    delete proc_.data();
    if (menu_)
        menu_->deleteLater();
    menu_ = nullptr;
}

void ReaderMenu::BuildContextMenu(const language::Captions &captions)
{
    if (menu_ && !captions.at(18).isEmpty())
        menu_->retranslate(captions);
}

void ReaderMenu::ShowContextMenu(const QPoint &globalPos)
{
    if (menu_)
        menu_->ShowContextMenu(globalPos);
}

void ReaderMenu::contextCommand(int id)
{
    switch (id) {
    case ContextMenu::Contents:
        Q_EMIT commandChosen(Command::Contents);
        break;
    case ContextMenu::FontDialog:
        Q_EMIT commandChosen(Command::FontDialogModal);
        break;
    case ContextMenu::Find:
        Q_EMIT commandChosen(Command::Find);
        break;
    case ContextMenu::PoemWindow:
        Q_EMIT commandChosen(Command::PoemDialogModal);
        break;
    case ContextMenu::LanguageChooser:
        Q_EMIT commandChosen(Command::LanguageChooser);
        break;
    case ContextMenu::LanguageInfo:
        prompts_.message(QStringLiteral("Языковые модули - файлы с расширением <lng>.\r\n"
                                        "В них содержатся метки и текст на разных языках,\r\n"
                                        "Вы можете переводить их на любой язык...\r\n"
                                        "Приятного Вам чтения."),
                         QStringLiteral("От авторов..."), platform::Icon::Information);
        break;
    case ContextMenu::Exit:
        UnhookMainWindow();
        window_->close();
        break;
    default:
        break;
    }
}
