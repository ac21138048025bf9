#pragma once

#include "core/common/Environment.h"
#include "core/settings/ReadingStyle.h"

#include <QDialog>

#include <array>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
namespace language {
struct Captions;
}

// The font-and-colour dialog: the reader tries a typeface, style, size,
// effects and colour on a sample, applies them to the pages and keeps
// them for the next start.
class font1 final : public QDialog
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(font1)

public:
    explicit font1(const Environment &env, QWidget *parent = nullptr);

    // Takes the pages' look as it is now into the lists and the sample.
    // The typeface list is filled when it is first needed: the first show,
    // or a button pressed before it.
    void Form_Load(const ReadingStyle &current);
    void retranslate(const language::Captions &captions);
    void cmbFont_Click(int index);
    void chkUnderline_Click();
    void chkStrikethru_Click();
    void color_Click();
    void cmdFontOriginal_Click();
    void cmdFontApply_Click();
    void Command1_Click();
    // The save step: the four keys of program.ini.
    void chkDef_Click();

    static inline const QString SampleText = QStringLiteral("Арвий Квиллборн");

    QLabel *lblFont = nullptr;
    QLabel *lblStyle = nullptr;
    QLabel *lblSize = nullptr;
    std::array<QComboBox *, 3> cmbFont{};
    QLabel *lblEffects = nullptr;
    QCheckBox *chkStrikethru = nullptr; // strikes the sample through
    QCheckBox *chkUnderline = nullptr;  // underlines the sample
    QPushButton *color = nullptr;       // opens the colour chooser
    QLabel *lblPreview = nullptr;
    QLineEdit *txtPreview = nullptr;        // the live sample
    QPushButton *cmdFontOriginal = nullptr; // the book's own look
    QPushButton *Command1 = nullptr;        // closes without keeping
    QPushButton *cmdFontApply = nullptr;    // keeps the look for the next start

    qint32 sampleColour() const;

Q_SIGNALS:
    // Apply: the look the pages are to take now.
    void applied(const ReadingStyle &style);

protected:
    void showEvent(QShowEvent *event) override;

private:
    void fillTypefaces();
    void setSampleColour(qint32 colour);
    void select(int list, const QString &text);

    Environment env_;
    // Every screen typeface costs the hidden dialog memory from the start
    // of the program; until it is listed, the pages' typeface waits here.
    bool typefacesListed_ = false;
    QString pagesTypeface_;
};

// Every screen typeface, with "Times New Roman" and "Arial" listed under
// those names where they resolve to their metric twins, so the "original
// look" can be chosen and is stored under the name the reader saw.
QStringList screenFonts();
