// Opening the DDP image of a whole disc (30 tracks, 79 minutes, about
// 836 MB): checking it (its records and every checksum) beside
// `md5sum -c CHECKSUM.MD5` in its folder, and taking its tracks apart into
// WAV files beside `cp` of its IMAGE.DAT, the least any tool that checks
// or copies the data must do. Runs alternate, the one that goes first
// changing every run, each starting with the dirty pages written out.
// Wall-clock and processor time (this process's for the program's side,
// the child processes' for the tools) are both reported. Also printed: how
// much the process's peak memory grew while checking and taking, which
// stays the size of the buffers whatever the image's size.
//
//   bench_ddp_open [folder]   (default: a temporary folder; needs 3.4 GB)
#include "checksum_check.h"
#include "image_checks.h"
#include "image_writer.h"
#include "noise_track.h"
#include "run_timing.h"
#include "taken_tracks.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

#include <cstdio>

namespace {

constexpr int Tracks = 30;
constexpr int TrackSeconds = 79 * 60 / Tracks;  // 158 s, 79 minutes in all
constexpr int Runs = 5;

void writeImage(const QStringList& paths, const QString& image)
{
    MasterDisc disc;
    for (const QString& path : paths)
        disc.tracks.append({path, 44, QFileInfo(path).size() - 44, FileVersion::OfRegularFile(path), {}, {}, {}});
    if (WriteDdpImage(disc, image, {}).failure)
        qFatal("the image could not be written");
}

void check(const QString& image)
{
    const DdpImage opened = *OpenDdpImage(image).image;
    const QList<CheckRow> rows = CheckRecords(opened, LayOut(opened.pq.points)) +
                                 CheckChecksums(PlanChecksums(opened), [](int) { return true; });
    for (const CheckRow& row : rows) {
        if (row.result != CheckRow::Result::Passed)
            qFatal("the check found: %s %s", qPrintable(row.subject), qPrintable(row.finding));
    }
}

void take(const QString& image, const QString& folder)
{
    const DdpImage opened = *OpenDdpImage(image).image;
    const TakePlan plan = PlanTake(opened, LayOut(opened.pq.points), Tracks);
    QStringList names;
    for (const PlannedTrack& track : plan.tracks)
        names.append(TakenFileName(track.number, QString()));
    if (WriteTakenTracks(plan, names, folder, {}).failure)
        qFatal("the tracks could not be taken");
}

void printRatio(const char* what, const std::vector<Timing>& ours, const std::vector<Timing>& theirs,
                const char* goal)
{
    std::printf("  %-30s %10.2f s %10.2f s\n", "", medianOf(theirs, &Timing::wall), medianOf(theirs, &Timing::processor));
    std::printf("  %-30s %10.2f s %10.2f s\n", what, medianOf(ours, &Timing::wall), medianOf(ours, &Timing::processor));
    std::printf("  %-30s %12.2f %12.2f   (goal at most %s)\n", "ratio", medianOf(ours, &Timing::wall) / medianOf(theirs, &Timing::wall),
                medianOf(ours, &Timing::processor) / medianOf(theirs, &Timing::processor), goal);
}

}  // namespace

int main(int argc, char* argv[])
{
    QCoreApplication application(argc, argv);
    QTemporaryDir scratch(QDir::currentPath() + QStringLiteral("/ddp-open-bench-XXXXXX"));
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : scratch.path();
    const QString image = scratch.path() + QStringLiteral("/IMAGE");
    writeImage(ensureNoiseTracks(folder, Tracks, TrackSeconds), image);
    const QString taken = scratch.path() + QStringLiteral("/TRACKS");
    const QString copy = scratch.path() + QStringLiteral("/copy.dat");

    std::vector<Timing> checked, md5sums, takes, copies;
    long checkGrowth = 0;
    long takeGrowth = 0;
    const auto measured = [](long& growth, const std::function<void()>& work) {
        const long before = peakKilobytes();
        const Timing timing = timingOf(work);
        growth = std::max(growth, peakKilobytes() - before);
        return timing;
    };
    for (int run = 0; run < Runs; ++run) {
        for (int turn = 0; turn < 4; ++turn) {
            QDir(taken).removeRecursively();
            QFile::remove(copy);
            switch ((run + turn) % 4) {
            case 0: checked.push_back(measured(checkGrowth, [&] { check(image); })); break;
            case 1: md5sums.push_back(timingOf([&] { shell(QStringLiteral("cd '%1' && md5sum -c --quiet CHECKSUM.MD5").arg(image)); })); break;
            case 2: takes.push_back(measured(takeGrowth, [&] { take(image, taken); })); break;
            default: copies.push_back(timingOf([&] { shell(QStringLiteral("cp '%1/IMAGE.DAT' '%2'").arg(image, copy)); })); break;
            }
        }
    }
    QDir(taken).removeRecursively();
    QFile::remove(copy);

    std::printf("Opening the DDP image of %d tracks, %d minutes (%lld MB), median of %d runs\n\n", Tracks,
                Tracks * TrackSeconds / 60, QFileInfo(image + QStringLiteral("/IMAGE.DAT")).size() / 1000000, Runs);
    std::printf("  %-30s %12s %12s\n", "", "wall clock", "processor");
    std::printf("  md5sum -c CHECKSUM.MD5\n");
    printRatio("checking the image", checked, md5sums, "1.10");
    std::printf("  cp IMAGE.DAT\n");
    printRatio("taking its tracks apart", takes, copies, "1.20");
    std::printf("  %-40s %8ld kB\n", "peak memory added while checking", checkGrowth);
    std::printf("  %-40s %8ld kB\n", "peak memory added while taking", takeGrowth);
    return 0;
}
