// A page turn as the reader sees it: ShowSpread, then what it changed
// painted and sent to the screen, for every one of the 83 spreads, five
// times over; the median of all of them.
#include "BenchRow.h"
#include "core/common/Environment.h"
#include "app/Forms.h"
#include "ui/common/PrintDialog.h"
#include "ui/common/Resources.h"
#include "platform/LinuxPlatform.h"
#include "core/book/BookTables.h"
#include "ui/reader/OpenBook.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTest>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const QString programFolder = QCoreApplication::applicationDirPath();
    resources::registerTypeface(programFolder);
    platform::LinuxPlatform os;
    const Environment env{os, programFolder};
    QtPrintDialog printing;
    Forms forms(env, printing);
    QTemporaryDir work; // kvibmark.dat lives in the current folder
    QDir::setCurrent(work.path());

    OpenBook *reader = forms.openBook();
    reader->show();
    if (!QTest::qWaitForWindowExposed(reader))
        return 1;

    std::vector<double> turns, shows;
    QElapsedTimer timer;
    for (int round = 0; round < 5; ++round) {
        for (qint16 p = bookdata::FirstSpread; p <= bookdata::LastSpread; p += 2) {
            timer.start();
            reader->TurnToPage(p); // CurrentPage = p, then ShowSpread
            shows.push_back(timer.nsecsElapsed() / 1e6);
            // What the event loop would do next: paint what changed and
            // send it to the screen.
            QCoreApplication::sendPostedEvents(nullptr, QEvent::UpdateRequest);
            turns.push_back(timer.nsecsElapsed() / 1e6);
        }
    }
    bench::row("ShowSpread alone (TurnToPage), median of 83 spreads x 5", bench::median(shows), "ms", "");
    const double turn = bench::median(turns);
    bench::row("page turn (ShowSpread + paint), median of 83 spreads x 5", turn, "ms", "<= 1", turn <= 1);
    return 0;
}
