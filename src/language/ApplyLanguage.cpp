#include "language/ApplyLanguage.h"

#include "app/Forms.h"
#include "app/Paths.h"
#include "bookmarks/frmBMarks.h"
#include "language/LanguageModule.h"
#include "language/frmLang.h"
#include "reader/OpenBook.h"
#include "search/frmFind.h"
#include "settings/Profile.h"
#include "settings/font1.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>

#include <functional>
#include <vector>

void ApplyLanguage(const QString &modulePath)
{
    Q_UNUSED(modulePath); // the program-wide path is read below, as every caller passes it
    OpenBook *reader = Forms::openBook();
    const QString module = language::usableModule(reader->LanguageModulePath(), paths::programFolder());
    auto caption = [&module](int key) {
        return ReadIniString(language::CaptionSection, QStringLiteral("L%1").arg(key), QString(), module);
    };
    auto sized = [](QLabel *label, const QString &text) {
        label->setText(text);
        label->adjustSize();
    };

    // Every value is read before the first caption is set: setting one may
    // create a dialog whose load applies the language again.
    struct Caption
    {
        int key;
        std::function<void(const QString &)> set;
    };
    const std::vector<Caption> table = {
        {3, [&](const QString &t) { reader->ogl->setText(t); }},
        {2, [&](const QString &t) { reader->mnu->setTitle(t); }},
        {8, [&](const QString &t) { reader->mnusrift->setText(t); }},
        {11, [&](const QString &t) { reader->mnuExit->setText(t); }},
        {12, [&](const QString &t) { reader->bm->setTitle(t); }},
        {14, [&](const QString &t) { reader->bmset->setText(t); }},
        {16, [&](const QString &t) { reader->bml->setText(t); }},
        {17, [&](const QString &t) { reader->about->setText(t); }},
        {5, [&](const QString &t) { reader->FindTx->setText(t); }},
        {58, [&](const QString &t) { reader->mmail->setText(t); }},
        {35, [&](const QString &t) { Forms::font1()->cmdFontApply->setText(t); }},
        {36, [&](const QString &t) { Forms::font1()->Command1->setText(t); }},
        {37, [&](const QString &t) { Forms::font1()->cmdFontOriginal->setText(t); }},
        {38, [&](const QString &t) { sized(Forms::font1()->lblPreview, t); }},
        {39, [&](const QString &t) { Forms::font1()->chkUnderline->setText(t); }},
        {40, [&](const QString &t) { Forms::font1()->chkStrikethru->setText(t); }},
        {41, [&](const QString &t) { sized(Forms::font1()->lblEffects, t); }},
        {42, [&](const QString &t) { sized(Forms::font1()->lblFont, t); }},
        {43, [&](const QString &t) { sized(Forms::font1()->lblStyle, t); }},
        {44, [&](const QString &t) { sized(Forms::font1()->lblSize, t); }},
        {8, [&](const QString &t) { Forms::font1()->setWindowTitle(t); }},
        {51, [&](const QString &t) { Forms::font1()->color->setText(t); }},
        {22, [&](const QString &t) { Forms::frmFind()->setWindowTitle(t); }},
        {23, [&](const QString &t) { Forms::frmFind()->lblFnd->setText(t); }},
        {24, [&](const QString &t) { Forms::frmFind()->chkReg->setText(t); }},
        {25, [&](const QString &t) { Forms::frmFind()->cmdFind->setText(t); }},
        {26, [&](const QString &t) { Forms::frmFind()->cmdCancel->setText(t); }},
        {27, [&](const QString &t) { Forms::frmBMarks()->setWindowTitle(t); }},
        {28, [&](const QString &t) { Forms::frmBMarks()->cmdAdd->setText(t); }},
        {29, [&](const QString &t) { Forms::frmBMarks()->cmdGo->setText(t); }},
        {30, [&](const QString &t) { Forms::frmBMarks()->cmdRem->setText(t); }},
        {31, [&](const QString &t) { Forms::frmBMarks()->cmdCancel->setText(t); }},
        {32, [&](const QString &t) { Forms::frmFind()->cmds->setText(t); }},
        {35, [&](const QString &t) { Forms::frmLang()->cmdApply->setText(t); }},
        {36, [&](const QString &t) { Forms::frmLang()->cmdCancel->setText(t); }},
        {18, [&](const QString &t) { Forms::frmLang()->setWindowTitle(t); }},
    };
    std::vector<QString> values;
    values.reserve(table.size());
    for (const Caption &c : table)
        values.push_back(caption(c.key));
    for (size_t i = 0; i < table.size(); ++i)
        table[i].set(values[i]);
    // The context menu is rebuilt from the module here once it exists.
}
