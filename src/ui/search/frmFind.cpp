#include "ui/search/frmFind.h"

#include "ui/common/Placement.h"
#include "core/common/Twips.h"
#include "core/language/Captions.h"
#include "core/language/LanguageModule.h"
#include "core/output/SaveText.h"
#include "ui/common/ListChoice.h"
#include "core/book/PageNumberText.h"
#include "core/search/PageSearch.h"
#include "core/settings/Profile.h"
#include "ui/shell/Tips.h"
#include "core/output/FoundText.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTextEdit>

QString emptyQueryMessage(const QString &module)
{
    const QString name = ReadIniString(language::InfoSection, QStringLiteral("lang"), QString(), module) +
                         ReadIniString(language::CaptionSection, QStringLiteral("L1"), QString(), module);
    for (QChar c : name)
        if (c.script() == QChar::Script_Cyrillic)
            return QStringLiteral("Нечего искать!");
    return QStringLiteral("Nothing to find!");
}

frmFind::frmFind(const Environment &env, QWidget *parent)
    : QDialog(parent)
    , env_(env)
{
    setObjectName(QStringLiteral("frmFind"));
    setWindowTitle(QStringLiteral("Form1"));
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    resize(px(5760), px(3480));

    txtFind = new QLineEdit(this);
    txtFind->setObjectName(QStringLiteral("txtFind"));
    txtFind->setGeometry(0, 0, px(5595), px(345));

    lstFound = new QListWidget(this);
    lstFound->setObjectName(QStringLiteral("lstFound"));
    lstFound->setGeometry(0, px(480), px(5595), px(1770));
    QFont arial(QStringLiteral("Arial"));
    arial.setPointSize(12);
    arial.setBold(true);
    lstFound->setFont(arial);
    // A double-click or Enter on a result goes to it and does nothing else:
    // Enter must not reach the default button and search again.
    auto *choice = new ListChoice(lstFound, ListChoice::Mouse::DoubleClick);
    connect(choice, &ListChoice::chosen, this, &frmFind::lstFound_DblClick);
    tip_ = new WindowTip(
        lstFound,
        QStringLiteral("Арвий Квиллборн\r\nВведите слово или фразу для поиска,\r\nи нажмите <Найти>..."));

    frStat = new QGroupBox(this);
    frStat->setObjectName(QStringLiteral("frStat"));
    frStat->setGeometry(0, px(2460), px(5625), px(465));
    lblFnd = new QLabel(frStat);
    lblFnd->setObjectName(QStringLiteral("lblFnd"));
    lblFnd->setGeometry(px(75), px(150), px(855) + 40, px(270));
    lblStat = new QLabel(QStringLiteral("0"), frStat);
    lblStat->setObjectName(QStringLiteral("lblStat"));
    lblStat->setGeometry(px(1080) + 40, px(150), px(765), px(270));
    chkReg = new QCheckBox(frStat);
    chkReg->setObjectName(QStringLiteral("chkReg"));
    chkReg->setGeometry(px(3435) - 40, px(120), px(2070) + 40, px(300));

    auto button = [this](const char *name, int left, int width) {
        auto *b = new QPushButton(this);
        b->setObjectName(QLatin1String(name));
        b->setGeometry(px(left), px(2970), px(width), px(405));
        b->setAutoDefault(false);
        return b;
    };
    cmdFind = button("cmdFind", 60, 945);
    cmds = button("cmds", 1703, 2145);
    cmdCancel = button("cmdCancel", 4620, 945);
    cmdFind->setDefault(true);
    cmds->setEnabled(false);
    connect(cmdFind, &QPushButton::clicked, this, &frmFind::cmdFind_Click);
    connect(cmds, &QPushButton::clicked, this, &frmFind::cmds_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &frmFind::cmdCancel_Click);
    // Enter in the query box reaches cmdFind as the default button, once;
    // connecting returnPressed as well would search twice.

    text1 = new QTextEdit(this);
    text1->setObjectName(QStringLiteral("text1"));
    text1->setGeometry(px(7020), px(90), px(1935), px(3255));
    text1->setReadOnly(true);
    text1->setAcceptRichText(false);
    // It lies outside the window as it opens: Tab must not land where the
    // reader cannot see.
    text1->setFocusPolicy(Qt::NoFocus);

    QWidget::setTabOrder(cmds, cmdCancel);
    QWidget::setTabOrder(cmdCancel, lstFound);
    QWidget::setTabOrder(lstFound, cmdFind);
    QWidget::setTabOrder(cmdFind, txtFind);
    QWidget::setTabOrder(txtFind, chkReg);
    // The reader comes to type: the query box has the focus on opening.
    txtFind->setFocus();

    centreOnScreen(this);
}

void frmFind::Form_Load()
{
    tip_->prepare();
    lstFound->clear();
}

void frmFind::retranslate(const language::Captions &c)
{
    captionModule_ = c.module;
    setWindowTitle(c.at(22));
    lblFnd->setText(c.at(23));
    chkReg->setText(c.at(24));
    cmdFind->setText(c.at(25));
    cmdCancel->setText(c.at(26));
    cmds->setText(c.at(32));
}

void frmFind::cmdFind_Click()
{
    lstFound->clear();
    text1->clear();
    foundPages_.clear();
    lblStat->setText(QStringLiteral("0"));
    Q_EMIT foundWordChosen(QString(), false);

    query_ = txtFind->text();
    if (query_.isEmpty()) {
        env_.os.prompts().message(emptyQueryMessage(captionModule_), QStringLiteral("Kvillborn"),
                                  platform::Icon::None);
        return;
    }
    caseSensitive_ = chkReg->isChecked();
    for (const search::Match &match : search::findPages(query_, caseSensitive_)) {
        foundPages_ << match.page;
        // The line keeps the page's own line breaks; on screen they read
        // as verse is quoted inline.
        lstFound->addItem(QString(match.line).replace(QStringLiteral("\r\n"), QStringLiteral(" / ")));
    }
    if (!foundPages_.isEmpty())
        cmds->setEnabled(true);
    lblStat->setText(QString::number(foundPages_.size()));
    text1->setPlainText(output::foundPagesText(foundPages_));
}

void frmFind::lstFound_DblClick()
{
    const QListWidgetItem *item = lstFound->currentItem();
    if (!item || !item->isSelected())
        return;
    Q_EMIT pageChosen(pagetext::numberAtStart(item->text(), 5));
    Q_EMIT foundWordChosen(query_, caseSensitive_);
}

void frmFind::cmdCancel_Click()
{
    close();
}

void frmFind::cmds_Click()
{
    if (foundPages_.isEmpty())
        return;
    output::saveTextAs(env_.os, output::savedFoundText(query_, foundPages_), cmds->text(),
                       output::foundFileName(query_), this);
}
