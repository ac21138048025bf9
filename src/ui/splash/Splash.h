#pragma once

#include "core/common/Environment.h"

#include <QWidget>

class ClickLabel;
class QTimer;

// The splash screen: the book's cover fading in, waiting for a click,
// Enter or Esc to open the book.
class book final : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(book)

public:
    explicit book(const Environment &env, QWidget *parent = nullptr);

    // False when another copy is running and this one must end.
    bool Form_Load();

    void trmLoad_Timer();
    void Pic_Click();

    ClickLabel *Pic = nullptr; // the cover picture
    QTimer *trmLoad = nullptr; // the fade's clock, one step a tick
    quint8 FadeLevel = 0;      // how far the cover has faded in, 0..228

Q_SIGNALS:
    // The reader opened the cover: the book is to be shown and the splash
    // screen dropped.
    void opened();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    Environment env_;
    int tick_ = 0;
};
