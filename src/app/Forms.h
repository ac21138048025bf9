#pragma once

#include "core/common/Commands.h"
#include "core/common/Environment.h"

#include <QObject>
#include <QPointer>

class OpenBook;
class ReaderMenu;
class book;
class font1;
class frmLang;
class frmFind;
class frmBMarks;
class Dialog;
class DialogLanguage;
class PrintDialog;
class QWidget;

// The one place that knows every window. It creates each on first use,
// runs its load, and connects what the window says to whoever acts on it;
// the windows themselves never reach for each other. A window is
// registered before its load runs, so a load that applies the language
// finds it among the windows to retranslate.
class Forms final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(Forms)

public:
    // `printing` is the print dialog the poem window asks; it outlives the registry.
    Forms(const Environment &env, PrintDialog &printing, QObject *parent = nullptr);
    ~Forms() override;

    // The splash screen; nullptr when its load found another running copy.
    book *splash();
    OpenBook *openBook();
    ::font1 *font1();
    ::frmFind *frmFind();
    ::frmBMarks *frmBMarks();
    ::frmLang *frmLang();
    ::Dialog *Dialog();

    // The poem window, modal: the caller waits until it is closed. When
    // the menu bar already has it open without modality, that window is
    // brought forward instead of a second one.
    void ShowPoemDialog();

    // Sets every caption that follows the interface language from the
    // module at `modulePath` (or eng.lng when it is unusable), in the
    // reading window and the four dialogs, and Qt's own dialogs speak the
    // module's locale from the next one opened. A dialog that does not exist
    // yet is created, hidden, and so runs its load: the first call creates
    // font1, frmFind, frmBMarks and frmLang in that order.
    void ApplyLanguage(const QString &modulePath);

    // Carries out a command chosen in a menu.
    void run(Command command);

Q_SIGNALS:
    // A window was created and is about to run its load.
    void windowCreated(QWidget *window);

private:
    template <class Window, class Load, class... Services>
    Window *create(QPointer<Window> &slot, Load load, Services &...services);
    void openTheBook();
    void unloadSplash();
    void turnTo(qint16 page);
    QString spreadEntry() const;
    template <class Window>
    void showModeless(Window *window);
    template <class Window>
    void showModal(Window *window);

    Environment env_;
    PrintDialog &printing_;
    QString modulePath_;
    bool toldNoLanguage_ = false;
    QPointer<book> splash_;
    QPointer<OpenBook> openBook_;
    QPointer<ReaderMenu> readerMenu_;
    QPointer<::font1> font1_;
    QPointer<::frmFind> frmFind_;
    QPointer<::frmBMarks> frmBMarks_;
    QPointer<::frmLang> frmLang_;
    QPointer<::Dialog> dialog_;
    DialogLanguage *dialogLanguage_ = nullptr;
};
