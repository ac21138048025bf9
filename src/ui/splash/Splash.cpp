#include "ui/splash/Splash.h"

#include "ui/splash/Fade.h"
#include "ui/common/Placement.h"
#include "ui/common/Resources.h"
#include "core/common/Twips.h"
#include "ui/common/ClickLabel.h"
#include "ui/shell/Tips.h"

#include <QApplication>
#include <QKeyEvent>
#include <QTimer>

book::book(const Environment &env, QWidget *parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint)
    , env_(env)
{
    setObjectName(QStringLiteral("book"));
    setWindowTitle(QStringLiteral(KV_PRODUCT_NAME));
    setFixedSize(px(4905), px(7020));
    setFocusPolicy(Qt::StrongFocus);

    Pic = new ClickLabel(this);
    Pic->setObjectName(QStringLiteral("Pic"));
    Pic->setGeometry(twipRect(0, 0, 4935, 7095));
    Pic->setPixmap(resources::splashPicture());
    Pic->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Pic->setCursor(resources::handCursor());
    Pic->setAutoFillBackground(true);
    Pic->setStyleSheet(QStringLiteral("QLabel#Pic { background: #3a1518; }"));
    Pic->setFocusPolicy(Qt::StrongFocus);
    Pic->setAccessibleName(QStringLiteral(KV_PRODUCT_NAME));
    connect(Pic, &ClickLabel::clicked, this, &book::Pic_Click);

    trmLoad = new QTimer(this);
    trmLoad->setObjectName(QStringLiteral("trmLoad"));
    trmLoad->setTimerType(Qt::PreciseTimer);
    trmLoad->setInterval(systemTickInterval(0));
    connect(trmLoad, &QTimer::timeout, this, &book::trmLoad_Timer);

    centreOnScreen(this);
}

bool book::Form_Load()
{
    AddTip(CreateTipWindow(this, true), Pic,
           QStringLiteral(KV_PRODUCT_NAME "\r\nКликните левой кнопкой мыши,\r\n"
                                          "или нажмите ESC для продолжения..."),
           BookTipLook);
    FadeWindow(this, 10);
    trmLoad->start();

    auto &os = env_.os;
    os.copyWithoutOverwrite(QStringLiteral("comdlg32.ocx"),
                            os.systemFolder() + QStringLiteral("/comdlg32.ocx"));

    if (os.anotherInstanceRunning()) {
        trmLoad->stop();
        os.prompts().message(QStringLiteral("Программа уже запущена"), QStringLiteral("Kvillborn"),
                             platform::Icon::None);
        return false;
    }
    return true;
}

void book::trmLoad_Timer()
{
    FadeWindow(this, FadeLevel);
    if (FadeLevel == 228) {
        trmLoad->stop();
        return;
    }
    FadeLevel += 4;
    trmLoad->setInterval(systemTickInterval(++tick_));
}

void book::Pic_Click()
{
    DestroyTipWindows();
    trmLoad->stop();
    Q_EMIT opened();
}

void book::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter || event->key() == Qt::Key_Escape) {
        event->accept();
        Pic_Click();
        return;
    }
    event->accept(); // every other key does nothing
}

void book::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        Pic_Click();
    else
        QWidget::mouseReleaseEvent(event);
}
