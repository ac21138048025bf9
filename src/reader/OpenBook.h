#pragma once

#include <QMainWindow>

class ClickLabel;
class QLabel;
class QListWidget;
class QMenu;
class QAction;

// The reading window: one spread of the book on the picture of an open
// book, the title line above each page, the page numbers and the two
// turning buttons. Every page jump of the program ends in ShowSpread.
class OpenBook final : public QMainWindow
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(OpenBook)

public:
    explicit OpenBook(QWidget *parent = nullptr);
    ~OpenBook() override;

    // The second start of the program: settings, language, hooks, spread 1.
    void Form_Load();

    // Left page of the spread on screen: odd, 1..165. Every writer calls
    // ShowSpread(CurrentPage) right after changing it.
    qint16 CurrentPage = 1;

    // Shows spread p; p is always CurrentPage itself and is never changed.
    void ShowSpread(const qint16 &p);
    // Puts the title lines of CurrentPage's spread above the pages.
    void ShowPageTitle();
    // Shows the spread that holds `page` (bookmarks, search results); a
    // number that names no page of the book changes nothing.
    bool TurnToPage(qint16 page);

    void lblnext_Click();
    void lblback_Click();
    void mnuExit_Click();
    void lstOgl_Click();
    void mnusrift_Click();
    void bml_Click();
    // Picture1, txtright and zright: a click closes the contents list.
    void hideContentsList();

    // Controls, named as the reader's window names them.
    ClickLabel *Picture1 = nullptr;
    ClickLabel *zleft = nullptr;
    ClickLabel *zright = nullptr;
    ClickLabel *txtleft = nullptr;
    ClickLabel *txtright = nullptr;
    QLabel *leftNum = nullptr;
    QLabel *rightNum = nullptr;
    ClickLabel *lblback = nullptr;
    ClickLabel *lblnext = nullptr;
    QListWidget *lstOgl = nullptr;
    // Below the visible area: seen only if the window is enlarged.
    QLabel *n1 = nullptr;
    QLabel *Label2 = nullptr; // LanguageModulePath

    // The reading font's name, size and colour as program.ini gave them
    // (never shown, read by the font dialog).
    QString Label1;
    QString Label3;
    QString Label4;

    QString LanguageModulePath() const;

    QMenu *mnu = nullptr;
    QAction *ogl = nullptr;
    QAction *FindTx = nullptr;
    QAction *mnusrift = nullptr;
    QAction *sav_t = nullptr;
    QAction *mmail = nullptr;
    QAction *sep = nullptr;
    QAction *mnuExit = nullptr;
    QMenu *bm = nullptr;
    QAction *bmset = nullptr;
    QAction *bml = nullptr;
    QAction *about = nullptr;

protected:
    void closeEvent(QCloseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void buildPage();
    void buildMenu();
    void buildContents();
    void applyReadingSettings();
    void fitClientArea();
    bool exiting_ = false;
};
