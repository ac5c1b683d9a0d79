// Shared by the benchmark programs: timing, summaries and the rows that tools/run-bench.sh
// gathers into one table.
#pragma once

#include <QBuffer>
#include <QByteArray>
#include <QElapsedTimer>
#include <QImage>
#include <QString>
#include <QVector>

#if __has_include(<valgrind/callgrind.h>)
#include <valgrind/callgrind.h>
#else
#define RUNNING_ON_VALGRIND 0
#define CALLGRIND_ZERO_STATS
#define CALLGRIND_DUMP_STATS_AT(label) Q_UNUSED(label)
#endif

#include <algorithm>
#include <cstdio>
#include <functional>

namespace Bench {

// Median and interquartile range of a set of samples.
struct Summary {
    double median = 0;
    double q1 = 0;
    double q3 = 0;
    int count = 0;
};

inline double quantile(const QVector<double>& sorted, double q)
{
    if (sorted.isEmpty())
        return 0;
    const double at = q * (sorted.size() - 1);
    const int below = int(at);
    const int above = qMin(below + 1, sorted.size() - 1);
    return sorted[below] + (sorted[above] - sorted[below]) * (at - below);
}

inline Summary summarize(QVector<double> samples)
{
    std::sort(samples.begin(), samples.end());
    return {quantile(samples, 0.5), quantile(samples, 0.25), quantile(samples, 0.75),
        int(samples.size())};
}

// Microseconds per call of body, averaged over count calls.
inline double microsPerCall(int count, const std::function<void()>& body)
{
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < count; ++i)
        body();
    return double(timer.nsecsElapsed()) / 1000.0 / count;
}

// One round of side-by-side timing: the bodies take turns in slices of slice calls until each
// has run count calls, so that load from other processes falls on all of them alike. Returns
// the microseconds per call of each body; turn rotates which body leads.
inline QVector<double> interleaved(
    const QVector<std::function<void()>>& bodies, int count, int slice, int turn)
{
    QVector<qint64> nanoseconds(bodies.size(), 0);
    const int slices = qMax(1, count / slice);
    QElapsedTimer timer;
    for (int n = 0; n < slices; ++n) {
        for (int k = 0; k < bodies.size(); ++k) {
            const int b = (k + turn) % bodies.size();
            timer.start();
            for (int i = 0; i < slice; ++i)
                bodies[b]();
            nanoseconds[b] += timer.nsecsElapsed();
        }
    }
    QVector<double> micros;
    for (const qint64 ns : nanoseconds)
        micros << double(ns) / 1000.0 / (slices * slice);
    return micros;
}

// One figure: "FIG section label median q1 q3 runs unit", tab-separated.
inline void printFigure(
    const QString& section, const QString& label, const QVector<double>& samples, const char* unit)
{
    const Summary s = summarize(samples);
    std::printf("FIG\t%s\t%s\t%.4g\t%.4g\t%.4g\t%d\t%s\n", qPrintable(section), qPrintable(label),
        s.median, s.q1, s.q3, s.count, unit);
    std::fflush(stdout);
}

// A ratio taken round by round from samples measured side by side, so that background load
// that hits one round hits both sides of it; target 0 means none.
inline void printRatio(const QString& section, const QString& label,
    const QVector<double>& numerator, const QVector<double>& denominator, double target = 0)
{
    QVector<double> ratios;
    for (int i = 0; i < qMin(numerator.size(), denominator.size()); ++i)
        if (denominator[i] > 0)
            ratios << numerator[i] / denominator[i];
    const Summary s = summarize(ratios);
    const char* verdict = target <= 0 ? "-" : (s.median <= target ? "met" : "MISSED");
    std::printf("RATIO\t%s\t%s\t%.3f\t%.3f\t%.3f\t%d\t%s\t%s\n", qPrintable(section),
        qPrintable(label), s.median, s.q1, s.q3, s.count,
        target > 0 ? qPrintable(QStringLiteral("<= %1").arg(target)) : "-", verdict);
    std::fflush(stdout);
}

inline QByteArray pngBytes(const QImage& image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

// Under callgrind: the instructions of count calls of body become one dump labelled
// "section|figure|count", which tools/run-bench.sh reads. Exact, whatever else runs.
inline void countInstructions(
    const QString& section, const QString& figure, int count, const std::function<void()>& body)
{
    CALLGRIND_ZERO_STATS;
    for (int i = 0; i < count; ++i)
        body();
    const QByteArray label = QStringLiteral("%1|%2|%3").arg(section, figure).arg(count).toUtf8();
    CALLGRIND_DUMP_STATS_AT(label.constData());
}

inline bool underCallgrind()
{
    return RUNNING_ON_VALGRIND;
}

// Rounds to run, from BENCH_ROUNDS when set (the quick runs of development).
inline int rounds(int fallback)
{
    const int n = qEnvironmentVariableIntValue("BENCH_ROUNDS");
    return n > 0 ? n : fallback;
}

} // namespace Bench
