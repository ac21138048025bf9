#pragma once

#include "ui/shell/BalloonTip.h"

#include <QObject>
#include <QPointer>
#include <QString>

class QWidget;

// The three windows that teach a newcomer (the cover, the language
// chooser, the search) each make a balloon tip at their load with these
// routines, all in the same look.

// Dark blue (colour 1 of the standard 16-colour palette) with white text.
inline constexpr TipLook BookTipLook{0x800000, 0xFFFFFF, 400, 500, 2000, false};

// A new tip window owned by `owner`; it goes when its owner goes. The
// caller keeps it to add the tip to, as the current tip window. None
// outside a widget application.
BalloonTip *CreateTipWindow(QWidget *owner, bool balloon);

// Attaches `text` to `control` through `tip`. Does nothing when the tip
// could not be made.
void AddTip(BalloonTip *tip, QWidget *control, const QString &text, const TipLook &look);

// Destroys every tip window that still exists, whoever owns it. Safe to
// call again and again; tips made afterwards work as before.
void DestroyTipWindows();

// The tip of a window that stays loaded between showings (the language
// chooser, the search). The window makes it at its load; when another
// window has destroyed every tip meanwhile, the next showing makes it
// again, so the reader opening the window still gets the help. When the
// window goes, every tip goes with it. A child of `control`'s window.
class WindowTip final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(WindowTip)

public:
    WindowTip(QWidget *control, const QString &text);
    ~WindowTip() override;

    void prepare();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *control_;
    QString text_;
    QPointer<BalloonTip> tip_;
};
