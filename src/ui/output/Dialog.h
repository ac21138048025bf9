#pragma once

#include "core/common/Environment.h"
#include "core/settings/ReadingStyle.h"

#include <QDialog>

#include <functional>

class PrintDialog;
class QGroupBox;
class QListWidget;
class QPushButton;

// The poem window: the reader picks one poem and saves it as a text file,
// prints it, or opens it in a word processor. Its captions are its own
// and no interface language changes them.
class Dialog final : public QDialog
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(Dialog)

public:
    // `printing` asks the reader where to print; it outlives the window.
    Dialog(const Environment &env, PrintDialog &printing, QWidget *parent = nullptr);

    // Every opening starts with no poem chosen and an empty text.
    void Form_Load();
    // Printing asks for the reading face when it prints, so a face the
    // reader changed while the window stood open is the one on paper.
    void setReadingStyleSource(std::function<ReadingStyle()> source);

    // The text every action works on: the chosen poem whole, or empty.
    const QString &text() const { return Rt; }

    void lstOgl_Click();
    // Rt becomes the chosen entry's whole text, heading and pages.
    void AssemblePoemText();
    void OKButton_Click();     // word processor
    void CancelButton_Click(); // save
    void Command1_Click();     // print
    void Command2_Click();     // close

    QListWidget *lstOgl = nullptr; // the poems
    QGroupBox *Frame1 = nullptr;
    QPushButton *OKButton = nullptr;     // hands the poem to the word processor
    QPushButton *CancelButton = nullptr; // saves the poem
    QPushButton *Command1 = nullptr;     // prints the poem
    QPushButton *Command2 = nullptr;     // closes

private:
    Environment env_;
    PrintDialog &printing_;
    std::function<ReadingStyle()> readingStyle_;
    QString chosenEntry_; // the list text of the poem in Rt
    // Neither is ever seen by the reader: the text buffer every action
    // reads, and the chosen entry number.
    QString Rt;
    qint16 n1 = 0;
};
