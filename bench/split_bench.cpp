// Splitting a 74-minute recording (783 MB), each side by side in one run,
// runs alternating: the whole waveform read and first drawn beside the
// engine's own peak scan of the file (FileOpen), the silences found beside
// that scan, the picture redrawn at every zoom from the whole recording
// down to single frames, and 20 pieces written beside `cp` of the file.
// Also printed: how much the process's peak memory grew while the waveform
// was read, which stays a small fraction of the audio.
//
//   bench_split [folder]   (default: a temporary folder; needs 1.6 GB)
#include "SplitWaveView.h"
#include "noise_track.h"
#include "piece_files.h"
#include "piece_writer.h"
#include "run_timing.h"
#include "silence_finder.h"
#include "wav_part.h"
#include "wave_overview.h"
#include "welvox.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <cstdio>
#include <vector>

namespace {

constexpr int Seconds = 74 * 60;
constexpr int Runs = 3;
constexpr int Pieces = 20;

}  // namespace

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QTemporaryDir scratch(QDir::currentPath() + QStringLiteral("/split-bench-XXXXXX"));
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : scratch.path();
    const QString path = ensureNoiseTracks(folder, 1, Seconds).first();
    const Recording recording({*WavPartOf(path)});
    const QByteArray encoded = QFile::encodeName(path);

    WaveOverview overview;
    SplitMarks marks(recording.samples());
    for (int i = 1; i < Pieces; ++i)
        marks.add(recording.samples() / Pieces * i);
    SplitWaveView wave(overview, marks);
    wave.resize(1000, 300);

    const auto engineScan = [&] {
        TrackRecord record{};
        if (FileOpen(encoded.constData(), &record, 80, 1, nullptr) != ENGINE_SUCCESS)
            qFatal("FileOpen failed");
    };
    long memoryGrowth = 0;
    const auto shown = [&] {
        const long before = peakKilobytes();
        if (!overview.Scan(recording, {}).isEmpty())
            qFatal("the waveform could not be read");
        memoryGrowth = std::max(memoryGrowth, peakKilobytes() - before);
        wave.view().reset(overview.frames(), wave.width());
        wave.refresh();
        wave.grab();
    };
    QList<PieceFile> files;
    for (const SplitPiece& piece : marks.pieces())
        files << PieceFile{PieceFileName(piece), piece.start, piece.samples};
    const QString pieces = scratch.path() + QStringLiteral("/pieces");
    const QString copy = scratch.path() + QStringLiteral("/copy.wav");
    const auto writePieces = [&] {
        if (PieceWriter(recording).write(pieces, files, {}).kind != PieceWriting::Written)
            qFatal("the pieces could not be written");
    };
    const auto cp = [&] { shell(QStringLiteral("cp '%1' '%2'").arg(path, copy)); };

    std::vector<Timing> scanned, read, silences, written, copied;
    for (int run = 0; run < Runs; ++run) {
        for (int turn = 0; turn < 2; ++turn) {
            if ((run + turn) % 2 == 0) {
                scanned.push_back(timingOf(engineScan));
            } else {
                read.push_back(timingOf(shown));
                silences.push_back(timingOf([&] { FindSilenceMarks(overview, SilenceRule{}); }));
            }
        }
        for (int turn = 0; turn < 2; ++turn) {
            QDir(pieces).removeRecursively();
            QDir().mkpath(pieces);
            QFile::remove(copy);
            if ((run + turn) % 2 == 0)
                written.push_back(timingOf(writePieces));
            else
                copied.push_back(timingOf(cp));
        }
    }

    // Redraws: from the whole recording down to eight columns per frame.
    std::vector<double> redraws;
    wave.view().showAll();
    for (;;) {
        std::vector<double> samples;
        for (int i = 0; i < 5; ++i) {
            wave.refresh();
            wave.grab();
            samples.push_back(wave.lastBuildMicroseconds() / 1000.0);
        }
        redraws.push_back(median(samples));
        if (wave.view().framesPerPixel() <= SplitView::FinestFramesPerPixel)
            break;
        wave.view().zoom(0.125, 500);
    }

    const double scan = medianOf(scanned, &Timing::wall);
    std::printf("A %d-minute recording (%lld MB), median of %d runs\n\n", Seconds / 60,
                (long long)(recording.samples() * 4 / 1000000), Runs);
    std::printf("  %-44s %10.2f s\n", "the engine's peak scan (FileOpen)", scan);
    std::printf("  %-44s %10.2f s   ratio %.2f (goal at most 1.5)\n", "the whole waveform read and drawn",
                medianOf(read, &Timing::wall), medianOf(read, &Timing::wall) / scan);
    std::printf("  %-44s %10.4f s   ratio %.4f (goal at most 1.5)\n", "the silences found",
                medianOf(silences, &Timing::wall), medianOf(silences, &Timing::wall) / scan);
    std::printf("  %-44s %10.2f s\n", "cp of the file", medianOf(copied, &Timing::wall));
    std::printf("  %-44s %10.2f s   ratio %.2f (goal at most 1.2)\n", "20 pieces written",
                medianOf(written, &Timing::wall), medianOf(written, &Timing::wall) / medianOf(copied, &Timing::wall));
    std::printf("  %-44s", "redraw at each zoom, whole to 1/8 frame (ms)");
    for (const double ms : redraws)
        std::printf(" %.1f", ms);
    std::printf("   (goal at most 10)\n");
    std::printf("  %-44s %10ld kB   (the audio: %lld kB)\n", "peak memory added while reading the waveform",
                memoryGrowth, (long long)(recording.samples() * 4 / 1000));
    return 0;
}
