#pragma once

#include "core/common/Commands.h"
#include "core/common/Environment.h"
#include "core/settings/ReadingStyle.h"

#include <QMainWindow>
#include <QPointer>

class ClickLabel;
class FoundWordMark;
class QAction;
class QLabel;
class QListWidget;
class QMenu;
namespace language {
struct Captions;
}

// The reading window: one spread of the book on the picture of an open
// book, the title line above each page, the page numbers and the two
// turning buttons. Every page jump of the program ends in ShowSpread.
// What it cannot do itself (dialogs, bookmarks) it asks for through
// commandChosen; its controls are its own.
class OpenBook final : public QMainWindow
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(OpenBook)

public:
    explicit OpenBook(const Environment &env, QWidget *parent = nullptr);
    ~OpenBook() override;

    // The second start of the program: settings, language, hooks, spread 1.
    void Form_Load();

    // Left page of the spread on screen: odd, 1..165.
    qint16 currentPage() const { return CurrentPage; }
    // The spread on screen as a bookmark names it (" 13").
    QString spreadEntry() const;

    // Shows spread p; p is always CurrentPage itself and is never changed.
    void ShowSpread(const qint16 &p);
    // Puts the title lines of CurrentPage's spread above the pages.
    void ShowPageTitle();
    // Shows the spread that holds `page` (bookmarks, search results); a
    // number that names no page of the book changes nothing.
    bool TurnToPage(qint16 page);
    // Marks `query` wherever it stands on the spread on screen, until the
    // next spread is shown; an empty query takes the mark away.
    void markFound(const QString &query, bool caseSensitive);
    // One spread on (1) or back (-1), where the book has one; 0 shows the
    // spread on screen again.
    void turn(int direction);

    void ShowContentsList();
    void GoToContentsEntry();

    // The look of the pages, from program.ini at load or from the font
    // dialog; a part the style leaves empty stays as it is.
    void applyReadingStyle(const ReadingStyle &style);
    // The pages' look as it is now, every part filled.
    ReadingStyle readingStyle() const;

    QString LanguageModulePath() const;
    void setLanguageModulePath(const QString &path);
    void retranslate(const language::Captions &captions);

    void lblnext_Click();
    void lblback_Click();
    void mnuExit_Click();
    void lstOgl_Click();
    // Picture1, txtright and zright: a click closes the contents list.
    void hideContentsList();

Q_SIGNALS:
    // The load has read which module speaks to the reader; the language
    // must be applied now, before the load goes on.
    void languageModuleRead(const QString &modulePath);
    void commandChosen(Command command);
    // The window is closing: whatever hooks into it lets go now.
    void closing();

protected:
    void closeEvent(QCloseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void buildPage();
    void buildMenu();
    void buildContents();
    void fitClientArea();

    Environment env_;
    qint16 CurrentPage = 1;
    QString modulePath_;
    bool exiting_ = false;

    ClickLabel *Picture1 = nullptr; // the open book the pages lie on
    ClickLabel *zleft = nullptr;    // the title line over the left page
    ClickLabel *zright = nullptr;   // the title line over the right page
    ClickLabel *txtleft = nullptr;  // the left page's verse
    ClickLabel *txtright = nullptr; // the right page's verse
    FoundWordMark *leftMark_ = nullptr;
    FoundWordMark *rightMark_ = nullptr;
    QLabel *leftNum = nullptr;
    QLabel *rightNum = nullptr;
    ClickLabel *lblback = nullptr; // turns one spread back
    ClickLabel *lblnext = nullptr; // turns one spread on
    QListWidget *lstOgl = nullptr; // the contents, laid over the left page
    // Below the visible area: seen only if the window is enlarged.
    QLabel *n1 = nullptr;     // the contents entry last chosen
    QLabel *Label2 = nullptr; // shows the module path

    QMenu *mnu = nullptr;        // "Menu"
    QAction *ogl = nullptr;      // opens the contents
    QAction *FindTx = nullptr;   // opens the search
    QAction *mnusrift = nullptr; // opens the font and colour window
    QAction *sav_t = nullptr;    // opens the poem window
    QAction *mmail = nullptr;    // writes to the authors
    QAction *sep = nullptr;
    QAction *mnuExit = nullptr; // ends the program
    QMenu *bm = nullptr;        // "Bookmarks"
    QAction *bmset = nullptr;   // marks the spread on screen
    QAction *bml = nullptr;     // shows the marks
    QAction *about = nullptr;   // the about box
};
