#pragma once

#include <QHash>
#include <QMenu>
#include <QPixmap>

namespace language {
struct Captions;
}

// The reading window's right-click menu. Down its left edge runs the
// window's own title bar, turned to read upwards; beside it, in a second
// column, the commands and the language submenu. It says which command was
// chosen; the reading window carries it out.
class ContextMenu final : public QMenu
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ContextMenu)

public:
    // The command ids, as the menu has always numbered them.
    enum Id
    {
        SideBar = 1000,
        Contents = 1200,
        FontDialog = 1300,
        Find = 1400,
        PoemWindow = 1500,
        Exit = 2000,
        LanguageChooser = 1101,
        LanguageInfo = 1102,
    };
    static constexpr int BarWidth = 18;

    // `owner` is the window whose title the side bar shows.
    explicit ContextMenu(QWidget *owner);

    // Sets the captions of the module in use (keys L18, L3, L8, L5, L6,
    // L11, L48, L49) on the menu's items.
    void retranslate(const language::Captions &captions);
    // Opens the menu with its top-left corner at `globalPos`.
    void ShowContextMenu(const QPoint &globalPos);

    // The side bar's length: the height of the second column's six text
    // items and two separators, measured from the items as laid out.
    int MeasureMenuSideBar() const;
    // The side bar as it is painted: BarWidth wide, MeasureMenuSideBar()
    // tall, sharp at the given device pixel ratio.
    QPixmap DrawMenuSideBar(qreal devicePixelRatio) const;

    QMenu *languageMenu() const { return languages_; }

Q_SIGNALS:
    void commandChosen(int id);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    void BuildContextMenu();
    QRect barRect() const;

    QHash<int, QAction *> items_;

    QWidget *owner_;
    QMenu *languages_ = nullptr;
};
