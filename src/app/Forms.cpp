#include "app/Forms.h"

#include "ui/splash/Splash.h"
#include "ui/bookmarks/frmBMarks.h"
#include "core/language/Captions.h"
#include "core/language/LanguageModule.h"
#include "ui/language/frmLang.h"
#include "ui/output/Dialog.h"
#include "ui/reader/OpenBook.h"
#include "core/book/PageNumberText.h"
#include "ui/search/frmFind.h"
#include "ui/settings/font1.h"
#include "ui/shell/ReaderMenu.h"
#include "ui/shell/AboutBox.h"
#include "core/mail/MailLink.h"
#include "ui/language/DialogLanguage.h"
#include "core/language/ModuleLocale.h"

#include <QLineEdit>

Forms::Forms(const Environment &env, PrintDialog &printing, QObject *parent)
    : QObject(parent)
    , env_(env)
    , printing_(printing)
    , modulePath_(env.englishModule())
    , dialogLanguage_(new DialogLanguage(this))
{
}

Forms::~Forms()
{
    delete dialog_.data();
    delete frmLang_.data();
    delete frmBMarks_.data();
    delete frmFind_.data();
    delete font1_.data();
    delete splash_.data();
    delete openBook_.data();
}

// Creates the window hidden, registers it, wires it, then runs its load.
template <class Window, class Load, class... Services>
Window *Forms::create(QPointer<Window> &slot, Load load, Services &...services)
{
    if (!slot) {
        slot = new Window(env_, services...);
        slot->setAttribute(Qt::WA_DeleteOnClose);
        Q_EMIT windowCreated(slot);
        load(slot.data());
    }
    return slot;
}

book *Forms::splash()
{
    if (!splash_) {
        splash_ = new book(env_);
        connect(splash_, &book::opened, this, &Forms::openTheBook);
        Q_EMIT windowCreated(splash_);
        if (!splash_->Form_Load()) {
            delete splash_.data();
            return nullptr;
        }
    }
    return splash_;
}

void Forms::openTheBook()
{
    OpenBook *reader = openBook();
    reader->show();
    reader->activateWindow();
    unloadSplash();
}

// The splash screen goes once control is back in the event loop, since
// this runs inside its own click handler.
void Forms::unloadSplash()
{
    if (!splash_)
        return;
    splash_->hide();
    splash_->deleteLater();
    splash_ = nullptr;
}

OpenBook *Forms::openBook()
{
    return create(openBook_, [this](OpenBook *w) {
        connect(w, &OpenBook::languageModuleRead, this, [this](const QString &path) {
            modulePath_ = path;
            ApplyLanguage(path);
        });
        connect(w, &OpenBook::commandChosen, this, &Forms::run);
        w->Form_Load();
        // The right-click menu is hooked last, above the wheel hook, and
        // lets go before the window does.
        readerMenu_ = new ReaderMenu(w, env_.os.prompts());
        connect(readerMenu_, &ReaderMenu::commandChosen, this, &Forms::run);
        connect(w, &OpenBook::closing, readerMenu_, &ReaderMenu::UnhookMainWindow);
        readerMenu_->HookMainWindow();
        readerMenu_->BuildContextMenu(language::readMenuCaptions(modulePath_, env_.programFolder));
    });
}

::font1 *Forms::font1()
{
    return create(font1_, [this](::font1 *w) {
        connect(w, &font1::applied, this, [this](const ReadingStyle &style) {
            if (openBook_)
                openBook_->applyReadingStyle(style);
        });
        ApplyLanguage(modulePath_);
        // Without a reading window the dialog starts from the book's own
        // look, as a first start would show it.
        w->Form_Load(openBook_ ? openBook_->readingStyle() : ReadingStyle{});
    });
}

::frmFind *Forms::frmFind()
{
    return create(frmFind_, [this](::frmFind *w) {
        connect(w, &frmFind::pageChosen, this, &Forms::turnTo);
        connect(w, &frmFind::foundWordChosen, this, [this](const QString &query, bool caseSensitive) {
            if (openBook_)
                openBook_->markFound(query, caseSensitive);
        });
        ApplyLanguage(modulePath_);
        w->Form_Load();
    });
}

::frmBMarks *Forms::frmBMarks()
{
    return create(frmBMarks_, [this](::frmBMarks *w) {
        connect(w, &frmBMarks::pageChosen, this, &Forms::turnTo);
        connect(w, &frmBMarks::addWanted, this, [this, w] { w->AddBookmark(spreadEntry()); });
        // Its load does not apply the language: a fresh bookmarks window
        // wears its built-in captions until the next application.
        w->Form_Load();
    });
}

::frmLang *Forms::frmLang()
{
    return create(frmLang_, [this](::frmLang *w) {
        connect(w, &frmLang::moduleChosen, this, [this](const QString &path) {
            modulePath_ = path;
            if (openBook_)
                openBook_->setLanguageModulePath(path);
            ApplyLanguage(path);
        });
        ApplyLanguage(modulePath_);
        w->Form_Load();
    });
}

::Dialog *Forms::Dialog()
{
    return create(
        dialog_,
        [this](::Dialog *w) {
            w->setReadingStyleSource(
                [this] { return openBook_ ? openBook_->readingStyle() : ReadingStyle{}; });
            w->Form_Load();
        },
        printing_);
}

void Forms::ShowPoemDialog()
{
    showModal(Dialog());
}

void Forms::ApplyLanguage(const QString &modulePath)
{
    // Read before the first caption is set: creating a dialog below runs
    // its load, which applies the language again, nested in this call.
    const language::Captions captions = language::readCaptions(modulePath, env_.programFolder);
    if (!captions.usable()) {
        // Neither the chosen module nor eng.lng can speak: blank menus and
        // buttons would leave the reader lost, so the windows keep their
        // built-in captions and the reader hears why, once.
        // With no module at all the chooser says so, and the program ends.
        if (!toldNoLanguage_ && !language::scanModules(env_.programFolder).isEmpty()) {
            toldNoLanguage_ = true;
            env_.os.prompts().message(QStringLiteral("Языковой модуль не найден или повреждён:\r\n%1\r\n"
                                                     "Запасного модуля тоже нет:\r\n%2\r\n\r\n"
                                                     "Надписи программы остаются русскими.")
                                          .arg(modulePath, env_.englishModule()),
                                      QStringLiteral("Ошибка интерфейса..."), platform::Icon::Warning);
        }
        font1();
        frmFind();
        frmBMarks();
        frmLang();
        if (readerMenu_)
            readerMenu_->BuildContextMenu(language::readMenuCaptions(modulePath, env_.programFolder));
        return;
    }
    // From the module that speaks, which is eng.lng when the chosen one
    // cannot: the toolkit's dialogs then stay in English with the captions.
    dialogLanguage_->apply(language::localeFromModule(captions.module));
    if (openBook_)
        openBook_->retranslate(captions);
    font1()->retranslate(captions);
    frmFind()->retranslate(captions);
    frmBMarks()->retranslate(captions);
    frmLang()->retranslate(captions);
    if (readerMenu_)
        readerMenu_->BuildContextMenu(language::readMenuCaptions(modulePath, env_.programFolder));
}

void Forms::turnTo(qint16 page)
{
    if (openBook_)
        openBook_->TurnToPage(page);
}

QString Forms::spreadEntry() const
{
    return openBook_ ? openBook_->spreadEntry() : pagetext::pageNumberText(1);
}

template <class Window>
void Forms::showModeless(Window *window)
{
    window->show();
    window->raise();
    window->activateWindow();
}

// A window the reader already has open without modality is brought
// forward rather than opened a second time over itself.
template <class Window>
void Forms::showModal(Window *window)
{
    if (window->isVisible()) {
        showModeless(window);
        return;
    }
    window->exec();
}

void Forms::run(Command command)
{
    switch (command) {
    case Command::Contents:
        if (openBook_)
            openBook_->ShowContentsList();
        break;
    case Command::FontDialog:
        showModeless(font1());
        break;
    case Command::FontDialogModal:
        showModal(font1());
        break;
    case Command::LanguageChooser:
        showModal(frmLang());
        break;
    case Command::Find: {
        ::frmFind *find = frmFind();
        find->txtFind->setFocus();
        find->exec();
        break;
    }
    case Command::SetBookmark:
        frmBMarks()->AddBookmark(spreadEntry());
        break;
    case Command::ShowBookmarks:
        showModeless(frmBMarks());
        break;
    case Command::Exit:
        if (openBook_)
            openBook_->mnuExit_Click();
        break;
    case Command::MailAuthors:
        mail::mmail_Click(env_.os);
        break;
    case Command::About:
        about_Click(env_, openBook_);
        break;
    case Command::PoemWindow:
        showModeless(Dialog());
        break;
    case Command::PoemDialogModal:
        ShowPoemDialog();
        break;
    }
}
