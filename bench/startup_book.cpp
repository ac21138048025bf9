// The program's own start, from QApplication to the reading window, with
// the splash screen's wait for a click left out: the book opens at once,
// as a click on the cover would open it. Run by bench_startup.
#include "FirstPaint.h"
#include "core/common/Environment.h"
#include "app/Forms.h"
#include "ui/common/PrintDialog.h"
#include "ui/common/Resources.h"
#include "core/startup/Startup.h"
#include "platform/LinuxPlatform.h"
#include "ui/reader/OpenBook.h"

#include <QApplication>
#include <QDir>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral(KV_PRODUCT_NAME));
    QApplication::setApplicationVersion(QStringLiteral(KV_VERSION));
    QApplication::setWindowIcon(resources::programIcon());
    const QString programFolder = QApplication::applicationDirPath();
    resources::registerTypeface(programFolder);

    platform::LinuxPlatform os;
    const Environment env{os, programFolder};
    QtPrintDialog printing;
    Forms forms(env, printing);

    const startup::Folders folders{programFolder, QDir::currentPath()};
    const QString title =
        startup::instanceTitle(QApplication::applicationName(), QApplication::applicationVersion());
    const auto openBook = [&forms] {
        OpenBook *reader = forms.openBook();
        new FirstPaint(reader->findChild<QWidget *>(QStringLiteral("txtright")));
        reader->show();
        reader->activateWindow();
        return true;
    };
    if (startup::Main(os, folders, title, openBook) != startup::Outcome::SplashShown)
        return 1;
    return QApplication::exec();
}
