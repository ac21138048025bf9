#pragma once

// Started as a child by bench_startup: once `target` has painted for the
// first time (and the frame has gone out, which the zero timer waits for),
// the process prints the system's monotonic clock and its own peak
// resident size, and ends on the spot: what comes after the first frame is
// no part of starting.
#include <QEvent>
#include <QFile>
#include <QTimer>
#include <QWidget>

#include <cstdio>
#include <cstdlib>
#include <ctime>

class FirstPaint final : public QObject
{
public:
    explicit FirstPaint(QWidget *target)
        : QObject(target)
    {
        target->installEventFilter(this);
    }

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && !seen_) {
            seen_ = true;
            QTimer::singleShot(0, [] { report(); });
        }
        return QObject::eventFilter(watched, event);
    }

private:
    static void report()
    {
        timespec now{};
        clock_gettime(CLOCK_MONOTONIC, &now);
        std::printf("painted %lld %lld\n", static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec,
                    peakResidentKiB());
        std::fflush(stdout);
        std::_Exit(0);
    }

    static long long peakResidentKiB()
    {
        QFile status(QStringLiteral("/proc/self/status"));
        if (!status.open(QIODevice::ReadOnly))
            return -1;
        for (const QByteArray &line : status.readAll().split('\n'))
            if (line.startsWith("VmHWM:"))
                return line.mid(6).trimmed().split(' ').value(0).toLongLong();
        return -1;
    }

    bool seen_ = false;
};
