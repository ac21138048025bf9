#pragma once

#include "core/common/Environment.h"

#include <QDialog>

class QListWidget;
class QPushButton;
namespace language {
struct Captions;
}

// The bookmarks: spreads the reader marked, kept in kvibmark.dat beside
// the reader's program.ini. Every change of the list is on disk at once.
class frmBMarks final : public QDialog
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(frmBMarks)

public:
    explicit frmBMarks(const Environment &env, QWidget *parent = nullptr);

    void Form_Load();
    void retranslate(const language::Captions &captions);
    // Marks the spread named `entry` (" 13"), the text the caller shows for
    // the spread on screen; a spread already marked is only selected.
    void AddBookmark(const QString &entry);
    void LoadBookmarks();
    // Writes the whole list; a failure is told to the reader once.
    bool SaveBookmarks();

    void cmdGo_Click();
    void cmdAdd_Click();
    void cmdRem_Click();
    void cmdCancel_Click();

    QListWidget *lstBMarks = nullptr; // the marked spreads
    QPushButton *cmdGo = nullptr;     // goes to the chosen mark
    QPushButton *cmdAdd = nullptr;    // marks the spread on screen
    QPushButton *cmdRem = nullptr;    // removes the chosen mark
    QPushButton *cmdCancel = nullptr; // saves and closes

    QStringList entries() const;

Q_SIGNALS:
    void pageChosen(qint16 page);
    // cmdAdd: the window does not know which spread is on screen.
    void addWanted();

private:
    Environment env_;
};
