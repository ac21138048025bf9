// What any Qt program with this window would cost: a bare QMainWindow
// with the reading window's menu bar and its picture of the book, started
// the way the program starts. Run by bench_startup, which it leaves at its
// first frame; with --stay it stays open, for bench/memory.sh.
#include "FirstPaint.h"
#include "ui/common/Resources.h"
#include "core/common/Twips.h"

#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral(KV_PRODUCT_NAME));
    QApplication::setApplicationVersion(QStringLiteral(KV_VERSION));
    QApplication::setWindowIcon(resources::programIcon());

    QMainWindow window;
    window.setWindowTitle(QStringLiteral(KV_PRODUCT_NAME));
    QMenu *menu = window.menuBar()->addMenu(QStringLiteral("Меню"));
    for (const char *caption : {"Оглавление", "Поиск", "Шрифт", "Сохранить", "Письмо авторам"})
        menu->addAction(QString::fromUtf8(caption));
    menu->addSeparator();
    menu->addAction(QStringLiteral("Выход"));
    QMenu *marks = window.menuBar()->addMenu(QStringLiteral("Закладки"));
    marks->addAction(QStringLiteral("Установить"));
    marks->addAction(QStringLiteral("Показать"));
    window.menuBar()->addAction(QStringLiteral("О программе"));

    auto *holder = new QWidget;
    auto *picture = new QLabel(holder);
    picture->setPixmap(resources::bookPicture());
    picture->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    picture->setFixedSize(px(12015), px(7335));
    window.setCentralWidget(holder);
    window.resize(px(10755), px(7305) + window.menuBar()->sizeHint().height());

    if (!app.arguments().contains(QStringLiteral("--stay")))
        new FirstPaint(picture);
    window.show();
    window.activateWindow();
    return QApplication::exec();
}
