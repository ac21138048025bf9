#include "ui/output/Dialog.h"

#include "ui/common/Placement.h"
#include "ui/common/PrintDialog.h"
#include "core/common/Twips.h"
#include "ui/output/PoemOutput.h"
#include "core/output/PoemText.h"
#include "core/output/SaveText.h"
#include "core/book/BookTables.h"

#include <QDir>
#include <QGroupBox>
#include <QListWidget>
#include <QPrinter>
#include <QPushButton>
#include <QTemporaryDir>

Dialog::Dialog(const Environment &env, PrintDialog &printing, QWidget *parent)
    : QDialog(parent)
    , env_(env)
    , printing_(printing)
{
    setObjectName(QStringLiteral("Dialog"));
    setWindowTitle(QStringLiteral("Выберете стихотворение..."));
    // A tool window: a narrow title bar with only a close box, and no
    // place in the task bar.
    setWindowFlags(Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setFixedSize(px(6435), px(4680));

    lstOgl = new QListWidget(this);
    lstOgl->setObjectName(QStringLiteral("lstOgl"));
    lstOgl->setGeometry(twipRect(0, 0, 4815, 4620));
    QFont times(QStringLiteral("Times New Roman"));
    times.setPointSize(12);
    lstOgl->setFont(times);
    lstOgl->setSelectionMode(QAbstractItemView::SingleSelection);
    // A choice by mouse or by arrow keys alike builds the text anew.
    connect(lstOgl, &QListWidget::itemSelectionChanged, this, &Dialog::lstOgl_Click);

    Frame1 = new QGroupBox(QStringLiteral("Действия:"), this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Frame1->setGeometry(twipRect(4920, 0, 1455, 4575));
    auto button = [this](const char *name, const char *caption, int top) {
        auto *b = new QPushButton(QString::fromUtf8(caption), Frame1);
        b->setObjectName(QLatin1String(name));
        b->setGeometry(twipRect(120, top, 1215, 375));
        // Enter in the list must not set off an action the reader did not
        // point at.
        b->setAutoDefault(false);
        return b;
    };
    OKButton = button("OKButton", "&В MS Word", 360);
    CancelButton = button("CancelButton", "&Сохранить", 840);
    Command1 = button("Command1", "&Печать", 1320);
    Command2 = button("Command2", "&Выход", 1800);
    connect(OKButton, &QPushButton::clicked, this, &Dialog::OKButton_Click);
    connect(CancelButton, &QPushButton::clicked, this, &Dialog::CancelButton_Click);
    connect(Command1, &QPushButton::clicked, this, &Dialog::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &Dialog::Command2_Click);

    centreOnScreen(this);
}

void Dialog::Form_Load()
{
    const QSignalBlocker quiet(lstOgl);
    lstOgl->clear();
    lstOgl->addItems(bookdata::contentsEntries());
    lstOgl->setCurrentRow(-1);
    Rt.clear();
    chosenEntry_.clear();
    n1 = 0;
}

void Dialog::setReadingStyleSource(std::function<ReadingStyle()> source)
{
    readingStyle_ = std::move(source);
}

void Dialog::lstOgl_Click()
{
    const QList<QListWidgetItem *> selected = lstOgl->selectedItems();
    if (selected.isEmpty())
        return;
    chosenEntry_ = selected.first()->text();
    AssemblePoemText();
}

void Dialog::AssemblePoemText()
{
    n1 = static_cast<qint16>(lstOgl->currentRow() + 1);
    // Replaced, never added to: a second choice is a new text.
    Rt = output::poemText(n1);
}

void Dialog::CancelButton_Click()
{
    const QString name = output::fileNameFrom(chosenEntry_);
    output::saveTextAs(env_.os, output::savedPoemText(Rt), QStringLiteral("Сохранение в файл..."),
                       name.isEmpty() ? QString() : name + QStringLiteral(".txt"), this);
}

void Dialog::Command1_Click()
{
    QPrinter printer(QPrinter::HighResolution);
    if (!printing_.choosePrinter(printer, this))
        return;
    platform::Prompts &prompts = env_.os.prompts();
    const ReadingStyle style = readingStyle_ ? readingStyle_() : ReadingStyle{};
    const Result printed = output::printPoem(printer, Rt, output::printFont(style));
    // Said only once the job is out of our hands, so the reader is never
    // told of a page that did not go.
    if (!printed) {
        prompts.message(QStringLiteral("The page was not printed: %1.").arg(printed.error),
                        QStringLiteral("Kvillborn"), platform::Icon::Critical);
        return;
    }
    prompts.message(QStringLiteral("Page sent to printer."), QStringLiteral("Kvillborn"),
                    platform::Icon::None);
}

void Dialog::OKButton_Click()
{
    // A folder of its own for every document: a second click on the same
    // poem must not overwrite the one the word processor is still reading.
    QTemporaryDir folder(env_.os.cacheFolder() + QStringLiteral("/XXXXXX"));
    if (!folder.isValid())
        return;
    QString name = output::fileNameFrom(chosenEntry_);
    if (name.isEmpty())
        name = QStringLiteral("Документ");
    const QString path = folder.filePath(name + QStringLiteral(".ott"));
    // Nothing is said when it cannot go on: the reader sees no word
    // processor open, as with none installed.
    if (!output::writePoemTemplate(path, Rt))
        return;
    folder.setAutoRemove(false);
    env_.os.openWithShell(path);
}

void Dialog::Command2_Click()
{
    close();
}
