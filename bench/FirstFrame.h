// Shared by the start-up probes: once a window has painted its first frame, prints the time
// since the benchmark started the process, the process's peak memory and the window's widget
// count, and leaves the event loop.
#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <QFile>
#include <QTimer>
#include <QWidget>

#include <cstdio>
#include <ctime>

namespace Bench {

// Nanoseconds on the clock that the benchmark and the processes it starts share.
inline qint64 monotonicNs()
{
    timespec now {};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return qint64(now.tv_sec) * 1000000000 + now.tv_nsec;
}

// Whole-process peak resident memory in KiB.
inline qint64 peakMemoryKiB()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').value(0).toLongLong();
    return 0;
}

class FirstFrame : public QObject {
public:
    explicit FirstFrame(QWidget* window)
        : m_window(window)
    {
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            // Reported once the paint has finished and the loop is idle again.
            QTimer::singleShot(0, this, [this] {
                const qint64 start = qEnvironmentVariable("BENCH_T0_NS").toLongLong();
                std::printf("FIRSTFRAME\t%.3f\t%lld\t%d\n",
                    start > 0 ? double(monotonicNs() - start) / 1e6 : -1.0, peakMemoryKiB(),
                    int(m_window->findChildren<QWidget*>().size()));
                std::fflush(stdout);
                QCoreApplication::exit(0);
            });
        }
        return false;
    }

private:
    QWidget* m_window;
};

} // namespace Bench
