// Loudness measuring beside loudgain (which measures with the same library),
// on the same files, in one run:
//   - one ten-minute stereo WAV: integrated loudness and true peak on one
//     thread, beside `loudgain -s s FILE`;
//   - thirty five-minute tracks just opened: the loudness meter's workers
//     (one per core) measuring all of them, beside the sum of loudgain's
//     times for each.
//
//   bench_loudness [folder]   (default: a temporary folder; needs 1.7 GB)
#include "loudness_meter.h"
#include "median.h"
#include "noise_track.h"
#include "track_measurement.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

constexpr int Tracks = 30;
constexpr int TrackSeconds = 300;
constexpr int LongSeconds = 600;
constexpr int Rounds = 3;

double seconds(const QElapsedTimer& clock)
{
    return clock.nsecsElapsed() / 1e9;
}

// niceIncrement: loudgain runs at the meter workers' priority, so that both
// sides get the same share of a machine that is busy with other work.
double loudgain(const QString& path, int niceIncrement = 0)
{
    QElapsedTimer clock;
    clock.start();
    QProcess process;
    process.start(QStringLiteral("nice"), {QStringLiteral("-n"), QString::number(niceIncrement), QStringLiteral("loudgain"),
                                           QStringLiteral("-q"), QStringLiteral("-s"), QStringLiteral("s"), path});
    if (!process.waitForFinished(-1) || process.exitCode() != 0)
        qFatal("loudgain failed on %s", qPrintable(path));
    return seconds(clock);
}

double measureOne(const QString& path, int seconds_)
{
    QElapsedTimer clock;
    clock.start();
    const std::atomic<bool> stop{false};
    const TrackMeasurement result = MeasureTrack(QFile::encodeName(path).toStdString(), 44, qint64(seconds_) * 44100 * 4, stop);
    if (!result.identity)
        qFatal("measuring failed on %s", qPrintable(path));
    return seconds(clock);
}

double meterAll(const QStringList& paths)
{
    QList<LoudnessMeter::Source> sources;
    for (int i = 0; i < paths.size(); ++i)
        sources.append({i + 1, paths[i], 44, qint64(TrackSeconds) * 44100 * 4});
    QElapsedTimer clock;
    clock.start();
    LoudnessMeter meter;
    meter.Measure(sources);
    meter.AwaitSettled(sources, [](int32_t) { return true; });
    return seconds(clock);
}

}  // namespace

int main(int argc, char* argv[])
{
    QCoreApplication application(argc, argv);
    QTemporaryDir scratch;
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : scratch.path();
    QDir().mkpath(folder);
    const QString longTrack = folder + QStringLiteral("/ten-minutes.wav");
    ensureNoiseTrack(longTrack, LongSeconds, 99);
    const QStringList paths = ensureNoiseTracks(folder, Tracks, TrackSeconds);
    loudgain(longTrack);  // both sides read from the page cache

    std::vector<double> ours, theirs, meter, sum;
    for (int round = 0; round < Rounds; ++round) {
        ours.push_back(measureOne(longTrack, LongSeconds));
        theirs.push_back(loudgain(longTrack));
        meter.push_back(meterAll(paths));
        double total = 0;
        for (const QString& path : paths)
            total += loudgain(path, LoudnessMeter::WorkerNiceIncrement);
        sum.push_back(total);
    }
    const double o = median(ours), t = median(theirs), m = median(meter), s = median(sum);
    std::printf("loudness and true peak (median of %d)\n", Rounds);
    std::printf("  one ten-minute track     measuring %7.3f s   loudgain %7.3f s   ratio %.2f (limit 1.00)\n", o, t,
                o / t);
    std::printf("  thirty five-minute ones  meter     %7.3f s   loudgain %7.3f s   ratio %.2f (limit 0.60; %d workers)\n",
                m, s, m / s, std::max(1u, std::thread::hardware_concurrency()));
    return 0;
}
