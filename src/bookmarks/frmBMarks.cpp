#include "bookmarks/frmBMarks.h"

#include "app/Forms.h"
#include "app/Placement.h"
#include "bookmarks/BookmarkFile.h"
#include "common/Twips.h"
#include "platform/Platform.h"
#include "reader/OpenBook.h"
#include "reader/PageNumberText.h"

#include <QDir>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

frmBMarks::frmBMarks(QWidget *parent)
    : QDialog(parent)
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
    connect(lstBMarks, &QListWidget::itemDoubleClicked, this, &frmBMarks::cmdGo_Click);
    connect(lstBMarks, &QListWidget::itemActivated, this, &frmBMarks::cmdGo_Click);

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

void frmBMarks::LoadBookmarks()
{
    lstBMarks->addItems(bookmarks::load(QLatin1String(bookmarks::FileName)));
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
    const QString file = QLatin1String(bookmarks::FileName);
    const Result saved = bookmarks::save(file, entries());
    if (!saved) {
        platform::current().prompts().message(
            QStringLiteral("Не удалось сохранить закладки в файл \"%1\":\r\n%2")
                .arg(QDir::toNativeSeparators(QDir::current().absoluteFilePath(file)), saved.error),
            QStringLiteral("Error..."), platform::Icon::Critical);
    }
    return saved.ok;
}

void AddBookmark(frmBMarks &window)
{
    const QString spread = Forms::openBook()->leftNum->text();
    QListWidget *list = window.lstBMarks;
    for (int i = 0; i < list->count(); ++i) {
        list->setCurrentRow(i);
        if (list->item(i)->text() == spread)
            return; // already marked: that entry stays selected
    }
    list->addItem(spread);
    window.SaveBookmarks();
}

void frmBMarks::cmdAdd_Click()
{
    AddBookmark(*this);
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
    // A hand-edited entry may name no page of the book: then go nowhere.
    Forms::openBook()->TurnToPage(pagetext::numberAtStart(text, 6));
}

void frmBMarks::cmdCancel_Click()
{
    SaveBookmarks();
    close();
}
