#include "app/Forms.h"
#include "app/Paths.h"
#include "app/Resources.h"
#include "app/Splash.h"
#include "app/Startup.h"
#include "platform/LinuxPlatform.h"
#include "reader/ClickLabel.h"

#include <QApplication>
#include <QDir>

#include <cstdio>
#include <exception>

int main(int argc, char *argv[])
{
    if (!platform::hasDisplay()) {
        std::fputs("kvillborn: no display found (DISPLAY is not set); "
                   "run it under a virtual one: xvfb-run -a ./build/kvillborn\n",
                   stderr);
        return 1;
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral(KV_PRODUCT_NAME));
    QApplication::setApplicationVersion(QStringLiteral(KV_VERSION));
    QApplication::setWindowIcon(resources::programIcon());
    resources::registerTypeface(paths::programFolder());

    platform::LinuxPlatform os;
    platform::set(&os);

    // A failure here is told as what it is; only a running copy is
    // reported as one.
    try {
        const startup::Folders folders{paths::programFolder(), QDir::currentPath()};
        const QString title =
            startup::instanceTitle(QApplication::applicationName(), QApplication::applicationVersion());
        if (startup::Main(os, folders, title) != startup::Outcome::ShowSplash)
            return 0;
        book *splash = Forms::splash();
        if (!splash)
            return 0;
        splash->show();
        splash->activateWindow();
        splash->Pic->setFocus();
    } catch (const std::exception &e) {
        os.prompts().message(QStringLiteral("Не удалось запустить программу:\r\n") + QString::fromLocal8Bit(e.what()),
                             QStringLiteral("Error..."), platform::Icon::Critical);
        return 1;
    }
    return QApplication::exec();
}
