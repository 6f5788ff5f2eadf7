// Writing the DDP image of a whole disc (30 tracks, 79 minutes, about
// 836 MB) from saved files, beside `cat` of the same files into one file
// followed by `md5sum` of it: the least any tool that copies the data and
// checks it must do. The image writer also flushes every file to the disk,
// which cat does not; the same cat with a `sync` of its file after it is
// shown too, so that the share of that flush can be seen. Runs alternate,
// the one that goes first changing every run, each starting with the dirty
// pages written out. Wall-clock time and processor time (this process's for
// the writer, the child processes' for cat, sync and md5sum) are both
// reported: on a busy machine the second shows more steadily what each side
// costs. Also printed: how much the process's peak memory grew while writing
// an image, which stays the size of the writer's buffer.
//
//   bench_ddp [folder]   (default: a temporary folder; needs 2.6 GB)
#include "image_writer.h"
#include "noise_track.h"
#include "run_timing.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

#include <cstdio>
#include <functional>
#include <vector>

namespace {

constexpr int Tracks = 30;
constexpr int TrackSeconds = 79 * 60 / Tracks;  // 158 s, 79 minutes in all
constexpr int Runs = 5;

MasterDisc discOf(const QStringList& paths)
{
    MasterDisc disc;
    for (const QString& path : paths)
        disc.tracks.append({path, 44, QFileInfo(path).size() - 44, FileVersion::OfRegularFile(path), {}, {}, {}});
    return disc;
}

}  // namespace

int main(int argc, char* argv[])
{
    QCoreApplication application(argc, argv);
    QTemporaryDir scratch(QDir::currentPath() + QStringLiteral("/ddp-bench-XXXXXX"));
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : scratch.path();
    const QStringList paths = ensureNoiseTracks(folder, Tracks, TrackSeconds);
    const MasterDisc disc = discOf(paths);
    const QString image = scratch.path() + QStringLiteral("/IMAGE");
    const QString catFile = scratch.path() + QStringLiteral("/cat.dat");
    QString quoted;
    for (const QString& path : paths)
        quoted += u'\'' + path + QStringLiteral("' ");

    const auto writer = [&] {
        if (WriteDdpImage(disc, image, {}).failure)
            qFatal("the image could not be written");
    };
    const auto catMd5 = [&] { shell(QStringLiteral("cat %1> '%2' && md5sum '%2' >/dev/null").arg(quoted, catFile)); };
    const auto catSyncMd5 = [&] {
        shell(QStringLiteral("cat %1> '%2' && sync '%2' && md5sum '%2' >/dev/null").arg(quoted, catFile));
    };
    std::vector<Timing> written, catted, cattedSynced;
    long memoryGrowth = 0;
    for (int run = 0; run < Runs; ++run) {
        for (int turn = 0; turn < 3; ++turn) {
            QDir(image).removeRecursively();
            QFile::remove(catFile);
            switch ((run + turn) % 3) {
            case 0: {
                const long before = peakKilobytes();
                written.push_back(timingOf(writer));
                memoryGrowth = std::max(memoryGrowth, peakKilobytes() - before);
                break;
            }
            case 1: catted.push_back(timingOf(catMd5)); break;
            default: cattedSynced.push_back(timingOf(catSyncMd5)); break;
            }
        }
    }
    QDir(image).removeRecursively();
    QFile::remove(catFile);

    std::printf("The DDP image of %d tracks, %d minutes (%lld MB), median of %d runs\n\n", Tracks,
                Tracks * TrackSeconds / 60, (long long)(disc.tracks.size() * (TrackSeconds * 176400LL)) / 1000000,
                Runs);
    std::printf("  %-34s %12s %12s\n", "", "wall clock", "processor");
    for (const auto& [what, timings] : {std::pair{"cat + md5sum", &catted}, std::pair{"cat + sync + md5sum", &cattedSynced},
                                        std::pair{"WriteDdpImage (with fsync)", &written}})
        std::printf("  %-34s %10.2f s %10.2f s\n", what, medianOf(*timings, &Timing::wall),
                    medianOf(*timings, &Timing::processor));
    for (const auto& [what, timings] :
         {std::pair{"ratio to cat + md5sum", &catted}, std::pair{"ratio to cat + sync + md5sum", &cattedSynced}})
        std::printf("  %-34s %12.2f %12.2f%s\n", what, medianOf(written, &Timing::wall) / medianOf(*timings, &Timing::wall),
                    medianOf(written, &Timing::processor) / medianOf(*timings, &Timing::processor),
                    timings == &catted ? "   (goal at most 1.20)" : "");
    std::printf("  %-40s %8ld kB\n", "peak memory added while writing", memoryGrowth);
    return 0;
}
