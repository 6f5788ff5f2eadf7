// What the benchmarks that compare the program's work with other tools' in
// one run share: wall-clock time and processor time (this process's and its
// ended children's), each run after the dirty pages are written out;
// medians; the process's peak memory; the other tools run through sh.
#pragma once

#include "median.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QString>

#include <sys/resource.h>
#include <unistd.h>

#include <functional>
#include <vector>

struct Timing {
    double wall = 0;
    double processor = 0;
};

inline double processorSeconds()
{
    double seconds = 0;
    for (const int who : {RUSAGE_SELF, RUSAGE_CHILDREN}) {
        rusage usage{};
        getrusage(who, &usage);
        for (const timeval& t : {usage.ru_utime, usage.ru_stime})
            seconds += double(t.tv_sec) + double(t.tv_usec) / 1e6;
    }
    return seconds;
}

inline Timing timingOf(const std::function<void()>& work)
{
    ::sync();
    const double processorStart = processorSeconds();
    QElapsedTimer clock;
    clock.start();
    work();
    return {clock.nsecsElapsed() / 1e9, processorSeconds() - processorStart};
}

inline double medianOf(const std::vector<Timing>& timings, double Timing::*field)
{
    std::vector<double> values;
    for (const Timing& timing : timings)
        values.push_back(timing.*field);
    return median(values);
}

inline long peakKilobytes()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

// Runs command with sh; a failure ends the benchmark.
inline void shell(const QString& command)
{
    QProcess process;
    process.start(QStringLiteral("sh"), {QStringLiteral("-c"), command});
    if (!process.waitForFinished(-1) || process.exitCode() != 0)
        qFatal("failed: %s", qPrintable(command));
}
