#include "ui/shell/ContextMenu.h"

#include "core/language/Captions.h"

#include <QActionGroup>
#include <QApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionTitleBar>

namespace {

// The bar is a picture, not a command: it sits in the menu's left margin,
// so the pointer never highlights it.
constexpr int BarGap = 3; // the bar, one pixel of air, the line, air

} // namespace

ContextMenu::ContextMenu(QWidget *owner)
    : QMenu(owner)
    , owner_(owner)
{
    setObjectName(QStringLiteral("ContextMenu"));
    BuildContextMenu();
    connect(this, &QMenu::triggered, this, [this](QAction *action) {
        const int id = action->data().toInt();
        if (id != 0 && id != SideBar)
            Q_EMIT commandChosen(id);
    });
}

// The menu is built once for the reading window's life. A language change
// only sets captions: it may arrive from inside this menu's own click
// handling, where deleting an item or the submenu would pull the ground
// from under the event that is still being delivered.
void ContextMenu::BuildContextMenu()
{
    const QMargins m = contentsMargins();
    setContentsMargins(BarWidth + BarGap, m.top(), m.right(), m.bottom());

    auto item = [this](int id) {
        QAction *a = addAction(QString());
        a->setData(id);
        items_.insert(id, a);
        return a;
    };
    // Position 0 stands for the bar: it keeps its id in the menu's order
    // but takes no room of its own.
    QAction *bar = item(SideBar);
    bar->setObjectName(QStringLiteral("SideBar"));
    bar->setVisible(false);

    languages_ = new QMenu(this);
    languages_->setObjectName(QStringLiteral("LanguageMenu"));
    auto *radio = new QActionGroup(languages_);
    QAction *chooser = languages_->addAction(QString());
    chooser->setData(int(LanguageChooser));
    chooser->setCheckable(true);
    chooser->setChecked(true);
    radio->addAction(chooser); // an exclusive group draws a round bullet
    items_.insert(LanguageChooser, chooser);
    QAction *info = languages_->addAction(QString());
    info->setData(int(LanguageInfo));
    items_.insert(LanguageInfo, info);
    addMenu(languages_);

    item(Contents);
    addSeparator();
    item(FontDialog);
    item(Find);
    item(PoemWindow);
    addSeparator();
    item(Exit);

    // Until a module speaks, the menu speaks as the windows do before any
    // language is applied.
    retranslate({QString(),
                 {{18, QStringLiteral("Язык")},
                  {3, QStringLiteral("Оглавление")},
                  {8, QStringLiteral("Шрифт")},
                  {5, QStringLiteral("Поиск...")},
                  {6, QStringLiteral("Сохранение и печать...")},
                  {11, QStringLiteral("Выход")},
                  {48, QStringLiteral("Выбрать язык...")},
                  {49, QStringLiteral("О языковых модулях...")}}});
}

void ContextMenu::retranslate(const language::Captions &c)
{
    languages_->setTitle(c.at(18));
    const std::pair<int, int> keys[] = {{LanguageChooser, 48}, {LanguageInfo, 49}, {Contents, 3},
                                        {FontDialog, 8},       {Find, 5},          {PoemWindow, 6},
                                        {Exit, 11}};
    for (const auto &[id, key] : keys)
        items_.value(id)->setText(c.at(key));
}

void ContextMenu::ShowContextMenu(const QPoint &globalPos)
{
    popup(globalPos);
}

int ContextMenu::MeasureMenuSideBar() const
{
    const QList<QAction *> all = actions();
    int h = 0;
    int s = 0;
    for (QAction *a : all) {
        if (!a->isVisible())
            continue;
        if (a->isSeparator())
            s = s ? s : actionGeometry(a).height();
        else
            h = h ? h : actionGeometry(a).height();
    }
    // Six text items (the submenu among them) and two separators.
    return 6 * h + 2 * s;
}

QPixmap ContextMenu::DrawMenuSideBar(qreal dpr) const
{
    const int length = qMax(1, MeasureMenuSideBar());
    // The title bar is drawn lying down, as the style draws any title bar,
    // then turned a quarter turn counter-clockwise so it reads upwards.
    QPixmap strip(QSize(length, BarWidth) * dpr);
    strip.setDevicePixelRatio(dpr);
    strip.fill(Qt::transparent);
    {
        QPainter p(&strip);
        QStyleOptionTitleBar title;
        title.initFrom(owner_);
        title.rect = QRect(0, 0, length, BarWidth);
        title.text = owner_->windowTitle();
        // Styles read the active look from the state bits in this field.
        title.titleBarState = int(Qt::WindowActive) | int(QStyle::State_Active);
        title.titleBarFlags = Qt::Window | Qt::WindowTitleHint; // no icon, no buttons
        title.subControls = QStyle::SC_TitleBarLabel;
        title.activeSubControls = QStyle::SC_None;
        title.state |= QStyle::State_Active | QStyle::State_Enabled;
        title.palette.setCurrentColorGroup(QPalette::Active);
        QFont small = QApplication::font("QMdiSubWindowTitleBar");
        small.setPointSizeF(small.pointSizeF() * 0.9);
        small.setBold(true);
        p.setFont(small);
        title.fontMetrics = QFontMetrics(small);
        style()->drawComplexControl(QStyle::CC_TitleBar, &title, &p, owner_);
    }
    QPixmap bar(QSize(BarWidth, length) * dpr);
    bar.setDevicePixelRatio(dpr);
    bar.fill(Qt::transparent);
    QPainter p(&bar);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.translate(0, length);
    p.rotate(-90);
    p.drawPixmap(0, 0, strip);
    return bar;
}

// Beside the second column, from its first item down, whatever margins
// the style gives the menu.
QRect ContextMenu::barRect() const
{
    for (QAction *a : actions()) {
        if (!a->isVisible())
            continue;
        const QRect first = actionGeometry(a);
        return QRect(first.left() - BarGap - BarWidth, first.top(), BarWidth, MeasureMenuSideBar());
    }
    return {};
}

void ContextMenu::paintEvent(QPaintEvent *event)
{
    QMenu::paintEvent(event);
    QPainter p(this);
    const QRect bar = barRect();
    p.drawPixmap(bar.topLeft(), DrawMenuSideBar(devicePixelRatioF()));
    // The line that parts the bar from the second column.
    const int x = bar.right() + BarGap - 1;
    p.setPen(palette().color(QPalette::Mid));
    p.drawLine(x, bar.top(), x, bar.bottom());
}

// A click on the bar closes the menu and chooses nothing. Only the left
// button counts: the right button that opened the menu is often released
// over the bar, right at the pointer.
void ContextMenu::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && barRect().contains(event->position().toPoint())) {
        event->accept();
        return;
    }
    QMenu::mousePressEvent(event);
}

void ContextMenu::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && barRect().contains(event->position().toPoint())) {
        event->accept();
        hide();
        return;
    }
    QMenu::mouseReleaseEvent(event);
}
