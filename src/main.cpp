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

    const startup::Folders folders{paths::programFolder(), QDir::currentPath()};
    const QString title =
        startup::instanceTitle(QApplication::applicationName(), QApplication::applicationVersion());
    const auto showSplash = [] {
        book *splash = Forms::splash();
        if (!splash)
            return false;
        splash->show();
        splash->activateWindow();
        splash->Pic->setFocus();
        return true;
    };
    if (startup::Main(os, folders, title, showSplash) != startup::Outcome::SplashShown)
        return 0;
    return QApplication::exec();
}
