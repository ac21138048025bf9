#include "ui/shell/BalloonTip.h"

#include "ui/common/Colours.h"

#include <QAbstractScrollArea>
#include <QCursor>
#include <QEvent>
#include <QGuiApplication>
#include <QPainter>
#include <QPainterPath>
#include <QScreen>
#include <QTextLayout>
#include <QToolTip>

#include <algorithm>

namespace {

constexpr int PadX = 10;
constexpr int PadY = 7;
constexpr int Radius = 8;
constexpr int StemHalfBase = 8;
// How far from the body's left end the stem stands when it can: far
// enough that the rounded corner stays whole.
constexpr int StemInset = 24;

// Line breaks as a screen reader expects them.
QString described(const QString &text)
{
    return QString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

// The tip's text as lines: CR LF (or a lone LF) breaks, and a line wider
// than `maxWidth` wraps at a word or, for one long word, anywhere.
QStringList wrap(const QString &text, const QFont &font, int maxWidth)
{
    QStringList lines;
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    for (const QString &paragraph : described(text).split(u'\n')) {
        QTextLayout layout(paragraph, font);
        layout.setTextOption(option);
        layout.beginLayout();
        for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
            line.setLineWidth(maxWidth);
            lines << paragraph.mid(line.textStart(), line.textLength()).trimmed();
        }
        layout.endLayout();
    }
    return lines;
}

} // namespace

BalloonPlacement placeBalloon(QPoint target, QSize body, const QRect &screen, bool centred)
{
    BalloonPlacement p;
    const int width = body.width();
    const int height = body.height() + BalloonTip::StemHeight;

    // The body slides sideways to stay on screen; the stem keeps pointing.
    const int inset = centred ? width / 2 : std::min(StemInset, width / 2);
    int left = target.x() - inset;
    left = std::max(screen.left(), std::min(left, screen.right() + 1 - width));

    // Above the pointer, where its arrow does not cover the text, unless
    // the screen ends there. A centred tip hangs below its control. The
    // window stops one pixel short of the target, so it never lies under
    // the pointer's hot spot.
    const bool roomAbove = target.y() - height >= screen.top();
    const bool roomBelow = target.y() + height <= screen.bottom();
    p.stemUp = centred ? roomBelow || !roomAbove : !roomAbove;
    const int top = p.stemUp ? target.y() + 1 : target.y() - height;

    p.window = QRect(left, top, width, height);
    p.body = QRect(0, p.stemUp ? BalloonTip::StemHeight : 0, width, body.height());
    p.stemTip = target - p.window.topLeft();
    p.stemTip.setX(std::clamp(p.stemTip.x(), 0, width - 1));
    return p;
}

BalloonTip::BalloonTip(QWidget *owner, bool balloon)
    : QWidget(owner, Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowDoesNotAcceptFocus |
                         Qt::WindowTransparentForInput)
    , balloon_(balloon)
{
    setObjectName(QStringLiteral("BalloonTip"));
    setAttribute(Qt::WA_ShowWithoutActivating);
    setFocusPolicy(Qt::NoFocus);
    setFont(QToolTip::font());

    initial_.setSingleShot(true);
    autoPop_.setSingleShot(true);
    connect(&initial_, &QTimer::timeout, this, &BalloonTip::popUp);
    connect(&autoPop_, &QTimer::timeout, this, [this] {
        spent_ = true;
        pop();
    });
}

BalloonTip::~BalloonTip()
{
    // The description was the tip's; a control that outlives it must not
    // keep describing a tip that is gone.
    if (control_ && control_->accessibleDescription() == described(text_))
        control_->setAccessibleDescription(QString());
}

void BalloonTip::addTool(QWidget *control, const QString &text, const TipLook &look)
{
    control_ = control;
    text_ = text;
    look_ = look;
    initial_.setInterval(look.initialDelay);
    autoPop_.setInterval(look.autoPopDelay);

    // Hover events reach the control however it tracks the mouse; a list's
    // clicks and wheel turns land on its viewport.
    control->setAttribute(Qt::WA_Hover);
    control->installEventFilter(this);
    if (auto *area = qobject_cast<QAbstractScrollArea *>(control))
        area->viewport()->installEventFilter(this);
    control->setAccessibleDescription(described(text));
}

QStringList BalloonTip::shownLines() const
{
    return wrap(text_, font(), look_.maxWidth);
}

bool BalloonTip::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::HoverEnter:
    case QEvent::HoverMove:
        // Every move starts the wait again: the tip is for a pointer at rest.
        if (watched == control_ && !isVisible() && !spent_)
            initial_.start();
        break;
    case QEvent::HoverLeave:
    case QEvent::Leave:
    case QEvent::Hide:
        // A list's viewport is left for its frame without leaving the list.
        if (watched == control_) {
            spent_ = false;
            pop();
        }
        break;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::Wheel:
    case QEvent::KeyPress:
        // The reader is at work on the control; the tip has said its piece.
        spent_ = true;
        pop();
        break;
    default:
        break;
    }
    return false;
}

void BalloonTip::popUp()
{
    if (!control_ || !control_->isVisible())
        return;
    const QRect area(control_->mapToGlobal(QPoint(0, 0)), control_->size());
    const QPoint pointer = QCursor::pos();
    if (!area.contains(pointer))
        return;
    const QPoint target = look_.centred ? QPoint(area.center().x(), area.bottom()) : pointer;
    const QScreen *screen = QGuiApplication::screenAt(target);
    if (!screen)
        screen = control_->screen();

    const QSize body = bodySize();
    placed_ = placeBalloon(target, body, screen->availableGeometry(), look_.centred);
    if (!balloon_) {
        // A plain tip has no stem: it starts where the stem would have.
        placed_.window.setHeight(body.height());
        if (placed_.stemUp)
            placed_.window.translate(0, StemHeight);
        placed_.body = QRect(QPoint(0, 0), body);
    }
    setGeometry(placed_.window);
    // Without a compositor the window is a rectangle; the mask cuts the
    // corners and the stem's sides away.
    setMask(QRegion(outline().toFillPolygon().toPolygon()));
    show();
    raise();
    autoPop_.start();
}

void BalloonTip::pop()
{
    initial_.stop();
    autoPop_.stop();
    hide();
}

QSize BalloonTip::bodySize() const
{
    const QFontMetrics metrics(font());
    int width = 0;
    const QStringList lines = shownLines();
    for (const QString &line : lines)
        width = std::max(width, metrics.horizontalAdvance(line));
    return QSize(width + 2 * PadX, int(lines.size()) * metrics.lineSpacing() + 2 * PadY);
}

QPainterPath BalloonTip::outline() const
{
    QPainterPath path;
    const QRectF body = QRectF(placed_.body).adjusted(0.5, 0.5, -0.5, -0.5);
    if (!balloon_) {
        path.addRect(body);
        return path;
    }
    path.addRoundedRect(body, Radius, Radius);
    // The stem's base stays clear of the rounded corners even when its tip
    // has to lean towards a target near the screen's edge.
    const qreal baseX = std::clamp<qreal>(placed_.stemTip.x() + 0.5, body.left() + Radius + StemHalfBase,
                                          body.right() - Radius - StemHalfBase);
    const qreal baseY = placed_.stemUp ? body.top() + 1 : body.bottom() - 1;
    QPainterPath stem;
    stem.moveTo(baseX - StemHalfBase, baseY);
    stem.lineTo(placed_.stemTip.x() + 0.5, placed_.stemUp ? 0 : placed_.window.height());
    stem.lineTo(baseX + StemHalfBase, baseY);
    stem.closeSubpath();
    return path.united(stem);
}

void BalloonTip::paintEvent(QPaintEvent *)
{
    const QColor back = toQColor(look_.backColour);
    const QColor edge = back.darker(170);
    QPainter painter(this);
    // Pixels the mask lets through outside the shape take the edge's
    // colour, so the corners blend into the border.
    painter.fillRect(rect(), edge);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(edge, 1));
    painter.setBrush(back);
    painter.drawPath(outline());

    painter.setPen(toQColor(look_.textColour));
    const QFontMetrics metrics(font());
    int y = placed_.body.top() + PadY + metrics.ascent();
    for (const QString &line : shownLines()) {
        painter.drawText(placed_.body.left() + PadX, y, line);
        y += metrics.lineSpacing();
    }
}
