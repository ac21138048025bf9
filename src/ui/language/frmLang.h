#pragma once

#include "core/common/Environment.h"

#include <QDialog>
#include <QStringList>

class QLabel;
class QListWidget;
class QPushButton;
class WindowTip;
namespace language {
struct Captions;
}

// The language chooser: the modules of the language folder with their
// names and authors; Apply makes the chosen one the interface language now
// and at every later start.
class frmLang final : public QDialog
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(frmLang)

public:
    explicit frmLang(const Environment &env, QWidget *parent = nullptr);
    void retranslate(const language::Captions &captions);

    // False when the folder holds no module: the warning was shown and the
    // program is ending.
    bool Form_Load();
    void lfff_Click();
    void cmdApply_Click();
    void cmdCancel_Click();

    QListWidget *lfff = nullptr;      // the modules found
    QPushButton *cmdApply = nullptr;  // speaks the chosen module
    QPushButton *cmdCancel = nullptr; // closes
    // Below the visible area: the path of the module last clicked.
    QLabel *tf = nullptr;
    // The module file names, entry for entry beside lfff.
    QStringList lff;

Q_SIGNALS:
    // Apply: the module at this path is now the interface language (it is
    // already in program.ini, or the reader was told why not).
    void moduleChosen(const QString &modulePath);

private:
    Environment env_;
    WindowTip *tip_ = nullptr;
};
