#include "reader/OpenBook.h"

#include "app/Forms.h"
#include "app/Paths.h"
#include "app/Placement.h"
#include "app/Resources.h"
#include "bookmarks/frmBMarks.h"
#include "common/Twips.h"
#include "language/ApplyLanguage.h"
#include "reader/BookTables.h"
#include "reader/ClickLabel.h"
#include "reader/Contents.h"
#include "reader/PageNumberText.h"
#include "reader/PageStore.h"
#include "reader/WheelHook.h"
#include "search/frmFind.h"
#include "settings/Profile.h"
#include "settings/SettingsKeys.h"
#include "settings/font1.h"

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

OpenBook::OpenBook(QWidget *parent)
    : QMainWindow(parent)
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
    connect(ogl, &QAction::triggered, this, [this] { ShowContentsList(*this); });
    connect(mnusrift, &QAction::triggered, this, &OpenBook::mnusrift_Click);
    connect(FindTx, &QAction::triggered, this, [] { ShowFindForm(); });
    connect(bmset, &QAction::triggered, this, [] { AddBookmark(*Forms::frmBMarks()); });
    connect(bml, &QAction::triggered, this, &OpenBook::bml_Click);
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
    connect(lstOgl, &QListWidget::itemClicked, this, &OpenBook::lstOgl_Click);
    connect(lstOgl, &QListWidget::itemActivated, this, &OpenBook::lstOgl_Click);
}

QString OpenBook::LanguageModulePath() const
{
    return Label2->text();
}

void OpenBook::Form_Load()
{
    const QString ini = paths::settingsFile();
    using namespace settings;
    Label1 = profile::readString(SectionGeneral, KeyFont, DefaultFont, ini, ReadingBuffer);
    Label3 = profile::readString(SectionGeneral, KeyFontSize, DefaultFontSize, ini, ReadingBuffer);
    Label4 = profile::readString(SectionColour, KeyForeColor, DefaultForeColor, ini, ReadingBuffer);
    applyReadingSettings();

    Label2->setText(profile::readString(SectionInterface, KeyLanguage,
                                        paths::programFolder() + QStringLiteral("/language/eng.lng"), ini,
                                        ReadingBuffer));
    ApplyLanguage(LanguageModulePath());

    HookWheel(this);
    CurrentPage = 1;
    lblnext->show();
    ShowSpread(CurrentPage);
    fitClientArea();
    // The context menu hooks in last, above the wheel.
}

void OpenBook::applyReadingSettings()
{
    // A size or colour the labels cannot take falls back to its default
    // for this run alone; the file keeps what the reader wrote.
    const float size = settings::fontSizeFrom(Label3).value_or(settings::DefaultFontSize.toFloat());
    const QColor colour =
        settings::toQColor(settings::colourFrom(Label4).value_or(settings::DefaultForeColor.toInt()));
    for (ClickLabel *label : {txtleft, txtright, zleft, zright}) {
        QFont font = label->font();
        font.setFamily(Label1);
        font.setPointSizeF(size);
        label->setFont(font);
        QPalette palette = label->palette();
        palette.setColor(QPalette::WindowText, colour);
        label->setPalette(palette);
    }
}

void OpenBook::mnusrift_Click()
{
    ::font1 *dialog = Forms::font1();
    dialog->show();
    dialog->raise();
    dialog->activateWindow();
}

void OpenBook::bml_Click()
{
    ::frmBMarks *bookmarks = Forms::frmBMarks();
    bookmarks->show();
    bookmarks->raise();
    bookmarks->activateWindow();
}

void OpenBook::lstOgl_Click()
{
    GoToContentsEntry(*this);
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
    txtleft->setText(bookdata::LoadPageText(p).value_or(QString()));
    txtright->setText(bookdata::LoadPageText(p + 1).value_or(QString()));
    leftNum->setText(pagetext::pageNumberText(p));
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

void OpenBook::lblnext_Click()
{
    if (CurrentPage == bookdata::LastSpread) {
        lblnext->hide();
        return;
    }
    lblnext->show();
    CurrentPage += 2;
    ShowSpread(CurrentPage);
}

void OpenBook::lblback_Click()
{
    CurrentPage -= 2;
    ShowSpread(CurrentPage);
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
    QApplication::closeAllWindows();
    QCoreApplication::quit();
}

// PageUp/PageDown and the arrow keys turn the book like the two buttons,
// but only where the button is there to press; Esc closes the contents.
void OpenBook::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_PageDown:
    case Qt::Key_Right:
        if (!lblnext->isHidden())
            lblnext_Click();
        return;
    case Qt::Key_PageUp:
    case Qt::Key_Left:
        if (!lblback->isHidden())
            lblback_Click();
        return;
    case Qt::Key_Escape:
        hideContentsList();
        return;
    default:
        QMainWindow::keyPressEvent(event);
    }
}
