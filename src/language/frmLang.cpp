#include "language/frmLang.h"

#include "app/Forms.h"
#include "app/Paths.h"
#include "app/Placement.h"
#include "common/Twips.h"
#include "language/ApplyLanguage.h"
#include "language/LanguageModule.h"
#include "platform/Platform.h"
#include "reader/OpenBook.h"
#include "settings/Profile.h"
#include "settings/SettingsKeys.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>

frmLang::frmLang(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("frmLang"));
    setFixedSize(px(5085), px(2460));

    lfff = new QListWidget(this);
    lfff->setObjectName(QStringLiteral("lfff"));
    lfff->setGeometry(0, 0, px(5055), px(1815));
    connect(lfff, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row >= 0)
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

    QWidget::setTabOrder(lfff, cmdApply);
    QWidget::setTabOrder(cmdApply, cmdCancel);
    centreOnScreen(this);
}

bool frmLang::Form_Load()
{
    // The balloon tip on the list is attached here once tips exist.
    ApplyLanguage(Forms::openBook()->LanguageModulePath());

    const QString program = paths::programFolder();
    const QList<language::ModuleFile> modules = language::scanModules(program);
    if (modules.isEmpty()) {
        auto &os = platform::current();
        os.prompts().message(QStringLiteral("В директории: - ") + program +
                                 QStringLiteral("/language.\r\n"
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
    const QString file = lff.value(lfff->currentRow());
    tf->setText(language::languageFolder(paths::programFolder()) + QLatin1Char('/') + file);
}

void frmLang::cmdApply_Click()
{
    // Until an entry is chosen there is nothing to apply: storing the
    // label's placeholder would break the language of every later start.
    if (lfff->currentRow() < 0)
        return;
    const QString module = tf->text();
    profile::writeString(settings::SectionInterface, settings::KeyLanguage, module, paths::settingsFile());
    OpenBook *reader = Forms::openBook();
    reader->Label2->setText(module);
    ApplyLanguage(reader->LanguageModulePath());
}

void frmLang::cmdCancel_Click()
{
    close();
}
