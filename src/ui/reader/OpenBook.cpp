#include "ui/reader/OpenBook.h"

#include "ui/common/Colours.h"
#include "ui/common/Placement.h"
#include "ui/common/Resources.h"
#include "core/common/Twips.h"
#include "core/language/Captions.h"
#include "core/book/BookTables.h"
#include "ui/common/ClickLabel.h"
#include "ui/common/ListChoice.h"
#include "core/book/PageNumberText.h"
#include "core/book/PageStore.h"
#include "ui/common/WheelHook.h"
#include "core/settings/ReaderSettings.h"
#include "ui/reader/FoundWordMark.h"
#include "core/settings/Profile.h"
#include "core/settings/SettingsKeys.h"
#include "ui/shell/ContextMenu.h"
#include "ui/common/MainWindowProc.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>

namespace {

QFont designFont(bool bold)
{
    QFont font(QStringLiteral("Times New Roman"));
    font.setPointSize(12);
    font.setBold(bold);
    return font;
}

} // namespace

OpenBook::OpenBook(const Environment &env, QWidget *parent)
    : QMainWindow(parent)
    , env_(env)
{
    setObjectName(QStringLiteral("OpenBook"));
    setWindowTitle(QStringLiteral(KV_PRODUCT_NAME));
    setWindowIcon(resources::programIcon());
    // Sizable, but a maximised book would only show the table around it.
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    buildMenu();
    buildPage();
    buildContents();

    fitClientArea();
}

// The client area below the menu bar is the book's size; the bar's own
// height depends on its captions, so this runs again once they are set.
void OpenBook::fitClientArea()
{
    const QSize client(px(10755), px(7305));
    resize(client.width(), client.height() + menuBar()->sizeHint().height());
    centreOnScreen(this);
}

OpenBook::~OpenBook() = default;

void OpenBook::buildMenu()
{
    auto *bar = menuBar();
    bar->setObjectName(QStringLiteral("menuBar"));
    auto named = [](QAction *action, const char *name) {
        action->setObjectName(QLatin1String(name));
        return action;
    };

    mnu = bar->addMenu(QStringLiteral("Меню"));
    mnu->setObjectName(QStringLiteral("mnu"));
    ogl = named(mnu->addAction(QStringLiteral("Оглавление")), "ogl");
    FindTx = named(mnu->addAction(QString()), "FindTx");
    mnusrift = named(mnu->addAction(QStringLiteral("Шрифт")), "mnusrift");
    sav_t = named(mnu->addAction(QStringLiteral("Сохранить")), "sav_t");
    mmail = named(mnu->addAction(QStringLiteral("Письмо авторам")), "mmail");
    sep = named(mnu->addSeparator(), "sep");
    mnuExit = named(mnu->addAction(QStringLiteral("Выход")), "mnuExit");

    bm = bar->addMenu(QStringLiteral("Закладки"));
    bm->setObjectName(QStringLiteral("bm"));
    bmset = named(bm->addAction(QStringLiteral("Установить")), "bmset");
    bml = named(bm->addAction(QStringLiteral("Показать")), "bml");

    about = named(bar->addAction(QStringLiteral("О программе")), "about");

    connect(mnuExit, &QAction::triggered, this, &OpenBook::mnuExit_Click);
    connect(ogl, &QAction::triggered, this, &OpenBook::ShowContentsList);
    const std::pair<QAction *, Command> asked[] = {
        {mnusrift, Command::FontDialog}, {FindTx, Command::Find}, {sav_t, Command::PoemWindow},
        {mmail, Command::MailAuthors},   {about, Command::About}, {bmset, Command::SetBookmark},
        {bml, Command::ShowBookmarks},
    };
    for (const auto &[action, command] : asked)
        connect(action, &QAction::triggered, this,
                [this, command = command] { Q_EMIT commandChosen(command); });
}

void OpenBook::buildPage()
{
    Picture1 = new ClickLabel(this);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    Picture1->setPixmap(resources::bookPicture());
    Picture1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Picture1->setAutoFillBackground(true);
    Picture1->setStyleSheet(QStringLiteral("QLabel#Picture1 { background: #2b1d14; }"));
    Picture1->setFixedSize(px(12015), px(7335));
    auto *holder = new QWidget(this);
    Picture1->setParent(holder);
    setCentralWidget(holder);

    auto label = [this](const char *name, const QRect &geometry, bool bold) {
        auto *l = new ClickLabel(Picture1);
        l->setObjectName(QLatin1String(name));
        l->setGeometry(geometry);
        l->setFont(designFont(bold));
        l->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        l->setWordWrap(true);
        l->setTextFormat(Qt::PlainText);
        return l;
    };
    zleft = label("zleft", twipRect(240, 360, 4815, 495), true);
    zright = label("zright", twipRect(5520, 360, 4935, 495), true);
    txtleft = label("txtleft", twipRect(240, 960, 4815, 5415), false);
    txtright = label("txtright", twipRect(5520, 960, 4935, 5415), false);
    leftMark_ = new FoundWordMark(txtleft);
    rightMark_ = new FoundWordMark(txtright);

    auto number = [this](const char *name, int left, int top) {
        auto *l = new QLabel(Picture1);
        l->setObjectName(QLatin1String(name));
        l->setFont(designFont(false));
        l->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        l->move(px(left), px(top));
        return l;
    };
    leftNum = number("leftNum", 4710, 6720);
    rightNum = number("rightNum", 5790, 6720);

    auto turner = [&](const char *name, int left, const QString &caption) {
        auto *l = label(name, twipRect(left, 6600, 1575, 375), true);
        l->setText(caption);
        l->setCursor(resources::handCursor());
        l->setFocusPolicy(Qt::TabFocus);
        l->setActsAsButton(true);
        l->setAccessibleName(caption);
        return l;
    };
    lblback = turner("lblback", 240, QStringLiteral("Предыдущее"));
    lblnext = turner("lblnext", 8880, QStringLiteral("Следующее"));
    connect(lblnext, &ClickLabel::clicked, this, &OpenBook::lblnext_Click);
    connect(lblback, &ClickLabel::clicked, this, &OpenBook::lblback_Click);
    for (ClickLabel *closer : {Picture1, txtright, zright})
        connect(closer, &ClickLabel::clicked, this, &OpenBook::hideContentsList);

    // Working values that lie below the visible area of the window.
    n1 = new QLabel(holder);
    n1->setObjectName(QStringLiteral("n1"));
    n1->setGeometry(0, px(7680), px(615), px(495));
    Label2 = new QLabel(holder);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->setGeometry(px(1000), px(7680), px(9000), px(495));

    // Until the settings are read, the pages wear the book's own face.
    QFont pageFont(QStringLiteral("PresentScript"));
    pageFont.setPointSize(14);
    txtleft->setFont(pageFont);
    txtright->setFont(pageFont);
}

void OpenBook::buildContents()
{
    lstOgl = new QListWidget(Picture1);
    lstOgl->setObjectName(QStringLiteral("lstOgl"));
    lstOgl->setGeometry(twipRect(240, 240, 4815, 6615));
    lstOgl->setFont(designFont(false));
    lstOgl->setSelectionMode(QAbstractItemView::SingleSelection);
    lstOgl->addItems(bookdata::contentsEntries());
    lstOgl->hide();
    // A mouse click chooses; from the keyboard the arrows move and Enter
    // chooses, so reading down the list does not jump away at the first key.
    auto *choice = new ListChoice(lstOgl, ListChoice::Mouse::Click);
    connect(choice, &ListChoice::chosen, this, &OpenBook::lstOgl_Click);
}

QString OpenBook::LanguageModulePath() const
{
    return modulePath_;
}

void OpenBook::setLanguageModulePath(const QString &path)
{
    modulePath_ = path;
    Label2->setText(path);
}

QString OpenBook::spreadEntry() const
{
    return pagetext::pageNumberText(CurrentPage);
}

void OpenBook::retranslate(const language::Captions &c)
{
    ogl->setText(c.at(3));
    mnu->setTitle(c.at(2));
    mnusrift->setText(c.at(8));
    mnuExit->setText(c.at(11));
    bm->setTitle(c.at(12));
    bmset->setText(c.at(14));
    bml->setText(c.at(16));
    about->setText(c.at(17));
    FindTx->setText(c.at(5));
    mmail->setText(c.at(58));
}

void OpenBook::Form_Load()
{
    const settings::ReaderSettings read = settings::readReaderSettings(env_.settingsFile(), env_.englishModule());
    applyReadingStyle(read.style);
    // Only at load do the titles take the reading face; they stay bold.
    for (ClickLabel *title : {zleft, zright}) {
        QFont f = title->font();
        f.setFamily(*read.style.family);
        title->setFont(f);
    }

    setLanguageModulePath(read.modulePath);
    Q_EMIT languageModuleRead(LanguageModulePath());

    auto *wheel = HookWheel(this);
    connect(wheel, &WheelWindowProc::turn, this, &OpenBook::turn);
    CurrentPage = 1;
    lblnext->show();
    ShowSpread(CurrentPage);
    fitClientArea();
}

void OpenBook::applyReadingStyle(const ReadingStyle &style)
{
    for (ClickLabel *label : {txtleft, txtright, zleft, zright}) {
        const bool isPage = label == txtleft || label == txtright;
        QFont font = label->font();
        if (isPage && style.family)
            font.setFamily(*style.family);
        if (style.pointSize)
            font.setPointSizeF(*style.pointSize);
        if (style.bold)
            font.setBold(*style.bold);
        if (style.italic)
            font.setItalic(*style.italic);
        if (isPage && style.underline)
            font.setUnderline(*style.underline);
        if (isPage && style.strikeOut)
            font.setStrikeOut(*style.strikeOut);
        label->setFont(font);
        if (style.colour) {
            QPalette palette = label->palette();
            palette.setColor(QPalette::WindowText, toQColor(*style.colour));
            label->setPalette(palette);
        }
    }
}

ReadingStyle OpenBook::readingStyle() const
{
    const QFont page = txtleft->font();
    ReadingStyle style;
    style.family = page.family();
    style.pointSize = static_cast<float>(page.pointSizeF());
    style.bold = page.bold();
    style.italic = page.italic();
    style.underline = page.underline();
    style.strikeOut = txtright->font().strikeOut();
    style.colour = fromQColor(txtleft->palette().color(QPalette::WindowText));
    return style;
}

void OpenBook::ShowContentsList()
{
    lstOgl->show();
    lstOgl->setFocus();
}

void OpenBook::GoToContentsEntry()
{
    const int chosen = lstOgl->currentRow() + 1; // 0 when nothing is chosen
    n1->setText(QString::number(chosen));
    // Entries are known by their position alone: several share a text.
    if (const auto spread = bookdata::contentsSpread(n1->text().toInt()))
        CurrentPage = static_cast<qint16>(*spread);
    ShowSpread(CurrentPage);
}

void OpenBook::lstOgl_Click()
{
    GoToContentsEntry();
    lstOgl->hide();
}

void OpenBook::hideContentsList()
{
    lstOgl->hide();
}

bool OpenBook::TurnToPage(qint16 page)
{
    const auto spread = pagetext::spreadOfPage(page);
    if (!spread)
        return false;
    CurrentPage = *spread;
    ShowSpread(CurrentPage);
    return true;
}

void OpenBook::markFound(const QString &query, bool caseSensitive)
{
    leftMark_->mark(query, caseSensitive);
    rightMark_->mark(query, caseSensitive);
}

void OpenBook::ShowSpread(const qint16 &p)
{
    if (p <= bookdata::FirstSpread) {
        lblback->hide();
        lblnext->show();
    } else if (p == bookdata::LastSpread) {
        lblback->show();
        lblnext->hide();
    } else {
        lblnext->show();
        lblback->show();
    }
    leftMark_->clear();
    rightMark_->clear();
    txtleft->setText(bookdata::LoadPageText(p).value_or(QString()));
    txtright->setText(bookdata::LoadPageText(p + 1).value_or(QString()));
    leftNum->setText(spreadEntry());
    leftNum->adjustSize();
    rightNum->setText(pagetext::pageNumberText(p + 1));
    rightNum->adjustSize();
    ShowPageTitle();
}

void OpenBook::ShowPageTitle()
{
    if (const auto row = bookdata::titleRow(CurrentPage)) {
        zleft->setText(row->left);
        zright->setText(row->right);
    }
}

void OpenBook::turn(int direction)
{
    if (direction > 0) {
        const auto next = bookdata::nextSpread(CurrentPage);
        if (!next) {
            lblnext->hide();
            return;
        }
        CurrentPage = *next;
    } else if (direction < 0) {
        const auto previous = bookdata::previousSpread(CurrentPage);
        if (!previous)
            return;
        CurrentPage = *previous;
    }
    ShowSpread(CurrentPage);
}

void OpenBook::lblnext_Click()
{
    turn(1);
}

void OpenBook::lblback_Click()
{
    turn(-1);
}

void OpenBook::mnuExit_Click()
{
    close();
}

void OpenBook::closeEvent(QCloseEvent *event)
{
    // Closing cannot be refused and saves nothing: settings and bookmarks
    // are written by their own windows when they change.
    event->accept();
    if (exiting_)
        return;
    exiting_ = true;
    Q_EMIT closing();
    QApplication::closeAllWindows();
    QCoreApplication::quit();
}

// PageUp/PageDown and the arrow keys turn the book like the two buttons,
// but only where the button is there to press; Esc closes the contents.
// While the contents lie open, the keys the list leaves unused (Left and
// Right, a page key at its end) stop here: the spread behind the list
// does not move while the reader looks for a poem.
void OpenBook::keyPressEvent(QKeyEvent *event)
{
    const bool listOpen = !lstOgl->isHidden();
    switch (event->key()) {
    case Qt::Key_PageDown:
    case Qt::Key_Right:
        if (!lblnext->isHidden() && !listOpen)
            turn(1);
        return;
    case Qt::Key_PageUp:
    case Qt::Key_Left:
        if (!lblback->isHidden() && !listOpen)
            turn(-1);
        return;
    case Qt::Key_Home:
    case Qt::Key_End:
    case Qt::Key_Up:
    case Qt::Key_Down:
        if (!listOpen)
            QMainWindow::keyPressEvent(event);
        return;
    case Qt::Key_Escape:
        hideContentsList();
        return;
    default:
        QMainWindow::keyPressEvent(event);
    }
}
