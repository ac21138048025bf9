#pragma once

#include <QPointer>
#include <QRect>
#include <QTimer>
#include <QWidget>

// How a tip looks and when it shows. Colours are kept as the book keeps
// them everywhere: red + 256 green + 65536 blue.
struct TipLook
{
    qint32 backColour = 0xFFFFE1;
    qint32 textColour = 0x000000;
    int maxWidth = 400;      // pixels; longer lines wrap
    int initialDelay = 500;  // ms the pointer must rest before the tip shows
    int autoPopDelay = 5000; // ms the tip stays up
    bool centred = false;    // under the control's middle, not at the pointer
};

// Where a balloon of `body` size goes for a stem that points at `target`,
// kept inside `screen`. The stem hangs from the body's top when the body
// lies below the target, from its bottom otherwise.
struct BalloonPlacement
{
    QRect window;        // the whole balloon, stem included, in global pixels
    QRect body;          // the rounded part, relative to `window`
    QPoint stemTip;      // the target, relative to `window`, just outside it
    bool stemUp = false; // true: body below the target
};
BalloonPlacement placeBalloon(QPoint target, QSize body, const QRect &screen, bool centred);

// A balloon tip for one control, in the manner of a balloon-style
// tooltip control: it appears when the pointer has rested on the control,
// goes after a while or as soon as the pointer leaves, and never takes
// the focus. It is a child of its owner window and goes with it.
class BalloonTip final : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(BalloonTip)

public:
    static constexpr int StemHeight = 12;

    // `balloon` false gives a plain rectangular tip without a stem.
    BalloonTip(QWidget *owner, bool balloon);
    ~BalloonTip() override;

    // Attaches the tip to `control`. CR LF in `text` breaks lines.
    void addTool(QWidget *control, const QString &text, const TipLook &look);

    QWidget *control() const { return control_; }
    QString text() const { return text_; }
    const TipLook &look() const { return look_; }
    // The lines as shown, after breaking and wrapping.
    QStringList shownLines() const;
    // Where it was put when it last showed.
    const BalloonPlacement &placement() const { return placed_; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void restartWait();
    void popUp();
    void pop();
    QSize bodySize() const;
    QPainterPath outline() const;

    bool balloon_;
    QPointer<QWidget> control_;
    QString text_;
    TipLook look_;
    QTimer initial_;
    QTimer autoPop_;
    // After the tip went by itself it stays away until the pointer has
    // left the control, so a reader who rests on it is not nagged again.
    bool spent_ = false;
    BalloonPlacement placed_;
};
