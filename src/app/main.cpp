#include "core/common/Environment.h"
#include "app/Forms.h"
#include "ui/common/PrintDialog.h"
#include "core/startup/ProgramFolders.h"
#include "ui/common/Resources.h"
#include "ui/splash/Splash.h"
#include "core/startup/Startup.h"
#include "ui/output/PoemOutput.h"
#include "platform/LinuxPlatform.h"
#include "ui/common/ClickLabel.h"

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
    // Lets the desktop match the windows to the menu entry and its icon.
    QApplication::setDesktopFileName(QStringLiteral("org.kvillborn.Book"));
    QApplication::setWindowIcon(resources::programIcon());

    // Installed under a prefix the reader cannot write to, the reader's
    // settings and language folder move to their own data folder; the
    // shipped settings, if any, are where they start from.
    const programfolders::ProgramFolders where = programfolders::decide(
        QCoreApplication::applicationDirPath(), programfolders::userFolder(), programfolders::realChecks());
    resources::registerTypeface(where.shipped);

    platform::LinuxPlatform os;
    programfolders::takeShippedFiles(os, where);
    const Environment env{os, where.own};
    QtPrintDialog printing;
    Forms forms(env, printing);

    const startup::Folders folders{where.shipped, QDir::currentPath(), where.own};
    const QString title =
        startup::instanceTitle(QApplication::applicationName(), QApplication::applicationVersion());
    const auto showSplash = [&forms] {
        book *splash = forms.splash();
        if (!splash)
            return false;
        splash->show();
        splash->activateWindow();
        splash->Pic->setFocus();
        return true;
    };
    if (startup::Main(os, folders, title, showSplash) != startup::Outcome::SplashShown)
        return 0;
    output::removeStaleDocuments(os.cacheFolder(), QDateTime::currentDateTime());
    return QApplication::exec();
}
