// Start-up time and peak memory of the program against a bare window:
// each is started as a process of its own, in turn, `runs` times (20 by
// default); the time runs from just before the process is started to the
// moment its first frame is out, and both medians come from the same run.
#include "BenchRow.h"

#include <QCoreApplication>
#include <QDir>
#include <QProcess>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <vector>

namespace {

struct Sample
{
    double ms = 0;
    double peakMiB = 0;
};

long long monotonicNs()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec;
}

Sample runOnce(const QString &program, const QString &workFolder)
{
    QProcess child;
    child.setWorkingDirectory(workFolder);
    child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    const long long started = monotonicNs();
    child.start(program, {});
    if (!child.waitForFinished(60000) || child.exitCode() != 0) {
        std::fprintf(stderr, "bench_startup: %s did not paint\n", qPrintable(program));
        std::exit(1);
    }
    const QList<QByteArray> words = child.readAllStandardOutput().trimmed().split(' ');
    if (words.size() != 3 || words[0] != "painted") {
        std::fprintf(stderr, "bench_startup: %s said nothing about its first frame\n", qPrintable(program));
        std::exit(1);
    }
    return {(words[1].toLongLong() - started) / 1e6, words[2].toLongLong() / 1024.0};
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 20;
    const QString here = QCoreApplication::applicationDirPath();
    const QString book = here + QStringLiteral("/startup_book");
    const QString bare = here + QStringLiteral("/startup_bare");
    // kvibmark.dat and the like would land in the working folder.
    const QString work = QDir::tempPath();

    std::vector<double> bookMs, bareMs, bookMiB, bareMiB;
    runOnce(book, work); // the first start warms the disk cache for both
    runOnce(bare, work);
    for (int i = 0; i < runs; ++i) {
        const Sample b = runOnce(book, work);
        const Sample w = runOnce(bare, work);
        bookMs.push_back(b.ms);
        bareMs.push_back(w.ms);
        bookMiB.push_back(b.peakMiB);
        bareMiB.push_back(w.peakMiB);
    }
    const double bookTime = bench::median(bookMs), bareTime = bench::median(bareMs);
    const double bookPeak = bench::median(bookMiB), barePeak = bench::median(bareMiB);
    bench::row("start-up to the first spread, median of " + std::to_string(runs), bookTime, "ms", "");
    bench::row("bare window, same menu bar and picture", bareTime, "ms", "");
    bench::row("start-up ratio, book / bare", bookTime / bareTime, "", "<= 1.5", bookTime / bareTime <= 1.5);
    bench::row("peak RSS with the book open", bookPeak, "MiB", "");
    bench::row("peak RSS of the bare window", barePeak, "MiB", "");
    bench::row("peak RSS, book - bare", bookPeak - barePeak, "MiB", "<= 5", bookPeak - barePeak <= 5);
    return 0;
}
