#include "ui/bookmarks/frmBMarks.h"

#include "ui/common/Placement.h"
#include "core/bookmarks/BookmarkFile.h"
#include "core/common/Twips.h"
#include "core/language/Captions.h"
#include "core/output/SaveText.h"
#include "ui/common/ListChoice.h"
#include "core/book/PageNumberText.h"

#include <QDir>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

frmBMarks::frmBMarks(const Environment &env, QWidget *parent)
    : QDialog(parent)
    , env_(env)
{
    setObjectName(QStringLiteral("frmBMarks"));
    setWindowTitle(QStringLiteral("Закладки"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                   Qt::MSWindowsFixedSizeDialogHint);
    setFixedSize(px(3420), px(3855));

    lstBMarks = new QListWidget(this);
    lstBMarks->setObjectName(QStringLiteral("lstBMarks"));
    lstBMarks->setGeometry(px(90), px(120), px(1905), px(3630));
    QFont script(QStringLiteral("PresentScript"));
    script.setPointSize(12);
    script.setBold(true);
    lstBMarks->setFont(script);
    lstBMarks->setSelectionMode(QAbstractItemView::SingleSelection);
    auto *choice = new ListChoice(lstBMarks, ListChoice::Mouse::DoubleClick);
    connect(choice, &ListChoice::chosen, this, &frmBMarks::cmdGo_Click);

    auto button = [this](const char *name, const QString &caption, int top) {
        auto *b = new QPushButton(caption, this);
        b->setObjectName(QLatin1String(name));
        b->setGeometry(px(2160), px(top), px(1035), px(795));
        b->setAutoDefault(false);
        return b;
    };
    cmdGo = button("cmdGo", QStringLiteral("Перейти"), 120);
    cmdAdd = button("cmdAdd", QStringLiteral("Добавить"), 960);
    cmdRem = button("cmdRem", QStringLiteral("Удалить"), 1800);
    cmdCancel = button("cmdCancel", QStringLiteral("Выход"), 2760);
    connect(cmdGo, &QPushButton::clicked, this, &frmBMarks::cmdGo_Click);
    connect(cmdAdd, &QPushButton::clicked, this, &frmBMarks::cmdAdd_Click);
    connect(cmdRem, &QPushButton::clicked, this, &frmBMarks::cmdRem_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &frmBMarks::cmdCancel_Click);

    QWidget::setTabOrder(lstBMarks, cmdGo);
    QWidget::setTabOrder(cmdGo, cmdAdd);
    QWidget::setTabOrder(cmdAdd, cmdRem);
    QWidget::setTabOrder(cmdRem, cmdCancel);
    centreOnScreen(this);
}

void frmBMarks::Form_Load()
{
    LoadBookmarks();
}

void frmBMarks::retranslate(const language::Captions &c)
{
    setWindowTitle(c.at(27));
    cmdAdd->setText(c.at(28));
    cmdGo->setText(c.at(29));
    cmdRem->setText(c.at(30));
    cmdCancel->setText(c.at(31));
}

void frmBMarks::LoadBookmarks()
{
    lstBMarks->addItems(bookmarks::loadOrCarryOver(env_.bookmarkFile(), QDir::currentPath()));
}

QStringList frmBMarks::entries() const
{
    QStringList all;
    all.reserve(lstBMarks->count());
    for (int i = 0; i < lstBMarks->count(); ++i)
        all << lstBMarks->item(i)->text();
    return all;
}

bool frmBMarks::SaveBookmarks()
{
    const QString file = env_.bookmarkFile();
    const Result saved = bookmarks::save(file, entries());
    if (!saved)
        output::tellNotSaved(env_.os.prompts(), QStringLiteral("закладки"), file, saved.error);
    return saved.ok;
}

void frmBMarks::AddBookmark(const QString &entry)
{
    for (int i = 0; i < lstBMarks->count(); ++i) {
        lstBMarks->setCurrentRow(i);
        if (lstBMarks->item(i)->text() == entry)
            return; // already marked: that entry stays selected
    }
    lstBMarks->addItem(entry);
    SaveBookmarks();
}

void frmBMarks::cmdAdd_Click()
{
    Q_EMIT addWanted();
}

void frmBMarks::cmdRem_Click()
{
    const int row = lstBMarks->currentRow();
    if (row < 0 || !lstBMarks->currentItem() || !lstBMarks->currentItem()->isSelected())
        return;
    delete lstBMarks->takeItem(row);
    SaveBookmarks();
}

void frmBMarks::cmdGo_Click()
{
    const QListWidgetItem *item = lstBMarks->currentItem();
    const QString text = item && item->isSelected() ? item->text() : QString();
    // A hand-edited entry may name no page of the book: the reader's
    // window then goes nowhere.
    Q_EMIT pageChosen(pagetext::numberAtStart(text, 6));
}

void frmBMarks::cmdCancel_Click()
{
    SaveBookmarks();
    close();
}
