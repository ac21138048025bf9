#pragma once

#include <QLabel>

// A label that reports a left click (press and release inside it). A
// label that stands for a button (the turning labels) answers Space and
// Enter as a button does; others leave the keyboard to their window, so
// Space on the cover does not open the book.
class ClickLabel : public QLabel
{
    Q_OBJECT
public:
    using QLabel::QLabel;

    void setActsAsButton(bool on) { actsAsButton_ = on; }

Q_SIGNALS:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    bool actsAsButton_ = false;
};
