#include "ui/language/frmLang.h"

#include "ui/common/Placement.h"
#include "core/common/Twips.h"
#include "core/language/Captions.h"
#include "core/language/LanguageModule.h"
#include "core/output/SaveText.h"
#include "core/settings/Profile.h"
#include "core/settings/SettingsKeys.h"
#include "ui/shell/Tips.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>

frmLang::frmLang(const Environment &env, QWidget *parent)
    : QDialog(parent)
    , env_(env)
{
    setObjectName(QStringLiteral("frmLang"));
    setFixedSize(px(5085), px(2460));

    lfff = new QListWidget(this);
    lfff->setObjectName(QStringLiteral("lfff"));
    lfff->setGeometry(0, 0, px(5055), px(1815));
    // A choice is a selected entry. Taking the focus makes row 0 current
    // without selecting it, and that is no choice of the reader's.
    connect(lfff, &QListWidget::itemSelectionChanged, this, [this] {
        if (!lfff->selectedItems().isEmpty())
            lfff_Click();
    });

    cmdApply = new QPushButton(this);
    cmdApply->setObjectName(QStringLiteral("cmdApply"));
    cmdApply->setGeometry(0, px(1920), px(1215), px(495));
    cmdCancel = new QPushButton(this);
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
    cmdCancel->setGeometry(px(3840), px(1920), px(1215), px(495));
    connect(cmdApply, &QPushButton::clicked, this, &frmLang::cmdApply_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &frmLang::cmdCancel_Click);

    tf = new QLabel(QStringLiteral("Label1"), this);
    tf->setObjectName(QStringLiteral("tf"));
    tf->setGeometry(0, px(2760), px(3255), px(495));

    // The chooser is unloaded whenever it closes, and takes every tip with it.
    tip_ = new WindowTip(
        lfff, QStringLiteral("Арвий Квиллборн\r\nВыберите язык интерфейса,\r\nи нажмите <Применить>..."));

    QWidget::setTabOrder(lfff, cmdApply);
    QWidget::setTabOrder(cmdApply, cmdCancel);
    centreOnScreen(this);
}

void frmLang::retranslate(const language::Captions &c)
{
    cmdApply->setText(c.at(35));
    cmdCancel->setText(c.at(36));
    setWindowTitle(c.at(18));
}

bool frmLang::Form_Load()
{
    tip_->prepare();
    const QString program = env_.programFolder;
    const QList<language::ModuleFile> modules = language::scanModules(program);
    if (modules.isEmpty()) {
        auto &os = env_.os;
        os.prompts().message(QStringLiteral("В директории: - ") + env_.languageFolder() +
                                 QStringLiteral(".\r\n"
                                                "не найдены языковые модули\r\n"
                                                "Вы должны поместить их туда самостоятельно.\r\n"
                                                "\r\n"
                                                "Языковые модули - файлы с расширением lng.\r\n"
                                                "В них содержатся метки и текст на разных языках."),
                             QStringLiteral("Ошибка интерфейса..."), platform::Icon::Warning);
        os.endProgram();
        return false;
    }
    for (const language::ModuleFile &module : modules) {
        lfff->addItem(module.entryText);
        lff.append(module.fileName);
    }
    lfff->setCurrentRow(-1);
    return true;
}

void frmLang::lfff_Click()
{
    const QString file = lff.value(lfff->row(lfff->selectedItems().value(0)));
    tf->setText(env_.languageFolder() + QLatin1Char('/') + file);
}

void frmLang::cmdApply_Click()
{
    // Until an entry is chosen there is nothing to apply: storing the
    // label's placeholder would break the language of every later start.
    if (lfff->selectedItems().isEmpty())
        return;
    const QString module = tf->text();
    const QString ini = env_.settingsFile();
    // The language changes now even when it cannot be kept for next time.
    if (const Result kept =
            profile::writeString(settings::SectionInterface, settings::KeyLanguage, module, ini);
        !kept)
        output::tellNotSaved(env_.os.prompts(), QStringLiteral("настройки"), ini, kept.error);
    Q_EMIT moduleChosen(module);
}

void frmLang::cmdCancel_Click()
{
    close();
}
