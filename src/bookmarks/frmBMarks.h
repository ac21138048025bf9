#pragma once

#include <QDialog>

class QListWidget;
class QPushButton;

// The bookmarks: spreads the reader marked, kept in kvibmark.dat in the
// current directory. Every change of the list is on disk at once.
class frmBMarks final : public QDialog
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(frmBMarks)

public:
    explicit frmBMarks(QWidget *parent = nullptr);

    void Form_Load();
    void LoadBookmarks();
    // Writes the whole list; a failure is told to the reader once.
    bool SaveBookmarks();

    void cmdGo_Click();
    void cmdAdd_Click();
    void cmdRem_Click();
    void cmdCancel_Click();

    QListWidget *lstBMarks = nullptr;
    QPushButton *cmdGo = nullptr;
    QPushButton *cmdAdd = nullptr;
    QPushButton *cmdRem = nullptr;
    QPushButton *cmdCancel = nullptr;

    QStringList entries() const;
};

// Sets a bookmark on the spread on screen (menu item and button alike).
void AddBookmark(frmBMarks &window);
