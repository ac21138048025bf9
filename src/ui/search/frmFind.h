#pragma once

#include "core/common/Environment.h"

#include <QDialog>

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QTextEdit;
class WindowTip;
namespace language {
struct Captions;
}

// The search: every page that holds a word or phrase, and a double-click
// turns the book to it.
class frmFind final : public QDialog
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(frmFind)

public:
    explicit frmFind(const Environment &env, QWidget *parent = nullptr);

    void Form_Load();
    void retranslate(const language::Captions &captions);
    void cmdFind_Click();
    void lstFound_DblClick();
    void cmdCancel_Click();
    // Saves the collected pages, headed by a summary line.
    void cmds_Click();

    QLineEdit *txtFind = nullptr;    // what to look for
    QListWidget *lstFound = nullptr; // one line per page found
    QGroupBox *frStat = nullptr;
    QLabel *lblFnd = nullptr;
    QLabel *lblStat = nullptr;        // how many pages were found
    QCheckBox *chkReg = nullptr;      // match case
    QPushButton *cmdFind = nullptr;   // searches
    QPushButton *cmds = nullptr;      // saves the results as a text file
    QPushButton *cmdCancel = nullptr; // closes
    // Outside the first client area: the full text of every matching page,
    // seen when the window is enlarged.
    QTextEdit *text1 = nullptr;

Q_SIGNALS:
    void pageChosen(qint16 page);
    // Follows pageChosen from a result: the word to mark on the spread now
    // shown, case as it was searched. A new search sends an empty query,
    // which takes the last mark away.
    void foundWordChosen(const QString &query, bool caseSensitive);

private:
    Environment env_;
    QString captionModule_; // the module the captions came from
    QString query_;
    bool caseSensitive_ = false; // as query_ was searched
    QList<int> foundPages_;      // by the last search, in page order
    WindowTip *tip_ = nullptr;
};

// The empty-query message follows the interface: Russian for a module in
// Cyrillic script, English otherwise. `module` is the module the captions
// came from.
QString emptyQueryMessage(const QString &module);
