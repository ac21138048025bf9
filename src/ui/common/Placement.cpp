#include "ui/common/Placement.h"

#include "platform/Platform.h"

#include <QApplication>
#include <QCursor>
#include <QEvent>
#include <QScreen>
#include <QWidget>

namespace {

// The screen the reader is looking at: the one holding the window they
// opened this one from, else the one under the pointer. On a desktop of
// several screens the primary one may be dark or far away.
QScreen *readersScreen(const QWidget *window)
{
    if (const QWidget *from = QApplication::activeWindow(); from && from != window)
        return from->screen();
    if (QScreen *under = QGuiApplication::screenAt(QCursor::pos()))
        return under;
    return QGuiApplication::primaryScreen();
}

void centreNow(QWidget *window)
{
    if (const QScreen *screen = readersScreen(window)) {
        if (window->screen() != screen)
            window->setScreen(const_cast<QScreen *>(screen));
        window->move(screen->availableGeometry().center() - window->rect().center());
    }
}

// Windows are made before anyone knows where they will be wanted; the
// place is settled on their first showing.
class CentreOnFirstShow final : public QObject
{
public:
    static constexpr auto Name = "CentreOnFirstShow";

    explicit CentreOnFirstShow(QWidget *window)
        : QObject(window)
    {
        setObjectName(QLatin1String(Name));
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Show) {
            centreNow(static_cast<QWidget *>(watched));
            watched->removeEventFilter(this);
            deleteLater();
        }
        return false;
    }
};

} // namespace

void centreOnScreen(QWidget *window)
{
    // A Wayland client cannot place its windows; the compositor does, and
    // puts a new one where it sees fit.
    if (platform::onWayland())
        return;
    centreNow(window);
    if (!window->findChild<QObject *>(QLatin1String(CentreOnFirstShow::Name), Qt::FindDirectChildrenOnly))
        new CentreOnFirstShow(window);
}
