// The program's own start, from QApplication to the reading window, with
// the splash screen's wait for a click left out: the book opens at once,
// as a click on the cover would open it. Run by bench_startup.
#include "FirstPaint.h"
#include "app/Forms.h"
#include "app/Paths.h"
#include "app/Resources.h"
#include "app/Startup.h"
#include "platform/LinuxPlatform.h"
#include "reader/ClickLabel.h"
#include "reader/OpenBook.h"

#include <QApplication>
#include <QDir>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral(KV_PRODUCT_NAME));
    QApplication::setApplicationVersion(QStringLiteral(KV_VERSION));
    QApplication::setWindowIcon(resources::programIcon());
    resources::registerTypeface(paths::programFolder());

    platform::LinuxPlatform os;
    platform::set(&os);

    const startup::Folders folders{paths::programFolder(), QDir::currentPath()};
    const QString title =
        startup::instanceTitle(QApplication::applicationName(), QApplication::applicationVersion());
    const auto openBook = [] {
        OpenBook *reader = Forms::openBook();
        new FirstPaint(reader->txtright);
        reader->show();
        reader->activateWindow();
        return true;
    };
    if (startup::Main(os, folders, title, openBook) != startup::Outcome::SplashShown)
        return 1;
    return QApplication::exec();
}
