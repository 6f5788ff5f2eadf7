// Opening 30 five-minute tracks through the program's open workflow (the
// toolbar's open button, one progress dialog per file, the grid's rows)
// beside the engine's FileOpen alone on the same files, and the program's
// resident memory with the 30 tracks open. The window measures the
// loudness of what it opened; how long that takes is shown too.
//
//   bench_app_open [folder]   (default: a temporary folder; needs 1.6 GB)
#include "median.h"
#include "noise_track.h"
#include "PlayListWindow.h"
#include "Prompts.h"
#include "SettingsStore.h"
#include "welvox.h"
#include "platform_notes.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

constexpr int Tracks = 30;
constexpr int FramesPerTrack = 44100 * 300;
constexpr int Rounds = 3;

int32_t keepGoing(int32_t)
{
    return 0;
}

double engineAlone(const QStringList& paths)
{
    QElapsedTimer clock;
    clock.start();
    for (const QString& path : paths) {
        TrackRecord record{};
        if (FileOpen(QFile::encodeName(path).constData(), &record, 80, -1, keepGoing) != ENGINE_SUCCESS)
            qFatal("FileOpen failed on %s", qPrintable(path));
    }
    return clock.nsecsElapsed() / 1e9;
}

// Chooses the prepared files in the open dialog; any message is a failure.
class ChoosingPrompts : public Prompts {
public:
    explicit ChoosingPrompts(QStringList paths) : m_paths(std::move(paths)) {}
    Answer message(QWidget*, const QString& text, const QString&, Buttons, Answer) override
    {
        qFatal("unexpected message: %s", qPrintable(text));
    }
    QStringList openFileNames(QWidget*, const QString&, const QString&) override { return m_paths; }

private:
    QStringList m_paths;
};

// meterBusy: the loudness meter is already measuring the same files when
// the open starts, the worst case for opening while a list is measured.
// measuredSeconds: from the click until every track is measured.
double throughWorkflow(const QStringList& paths, long* residentKb, bool meterBusy, double* measuredSeconds)
{
    ChoosingPrompts prompts(paths);
    SettingsStore store;
    PlayListWindow window(prompts, store);
    window.show();
    QApplication::processEvents();
    QElapsedTimer clock;
    clock.start();
    if (meterBusy) {
        QList<LoudnessMeter::Source> sources;
        for (int i = 0; i < paths.size(); ++i)
            sources.append({i + 1, paths[i], 44, qint64(FramesPerTrack) * 4});
        window.loudness().Measure(sources);
    }
    window.Toolbar1_ButtonClick(QStringLiteral("open"));
    QApplication::processEvents();
    const double seconds = clock.nsecsElapsed() / 1e9;
    window.loudness().AwaitSettled(LoudnessMeter::SourcesOf(window.playList()), [](int32_t) { return true; });
    *measuredSeconds = clock.nsecsElapsed() / 1e9;
    if (window.playList().TrackCount() != Tracks)
        qFatal("only %d tracks opened", window.playList().TrackCount());
    QFile status(QStringLiteral("/proc/self/status"));
    if (status.open(QIODevice::ReadOnly)) {
        for (const QByteArray& line : status.readAll().split('\n')) {
            if (line.startsWith("VmRSS:"))
                *residentKb = line.mid(6).trimmed().split(' ').first().toLong();
        }
    }
    return seconds;
}

}  // namespace

int main(int argc, char* argv[])
{
    QTemporaryDir scratch;
    QTemporaryDir home;
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(home.path()));
    platformnotes::silence();
    QApplication application(argc, argv);
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : scratch.path();
    QDir().mkpath(folder);

    const QStringList paths = ensureNoiseTracks(folder, Tracks, FramesPerTrack / 44100);
    engineAlone(paths);  // both sides read from the page cache

    std::vector<double> alone, workflow, busy, measured;
    long residentKb = 0;
    for (int round = 0; round < Rounds; ++round) {
        double measuredSeconds = 0;
        alone.push_back(engineAlone(paths));
        workflow.push_back(throughWorkflow(paths, &residentKb, false, &measuredSeconds));
        measured.push_back(measuredSeconds);
        busy.push_back(throughWorkflow(paths, &residentKb, true, &measuredSeconds));
    }
    const double a = median(alone);
    const double w = median(workflow);
    const double b = median(busy);
    std::printf("open 30 five-minute tracks (median of %d)\n", Rounds);
    std::printf("  FileOpen alone          %7.3f s\n", a);
    std::printf("  open workflow           %7.3f s   ratio %.2f (limit 1.50; 1.30 with measuring)\n", w, w / a);
    std::printf("  ... while the meter measures the same thirty\n");
    std::printf("                          %7.3f s   ratio %.2f (limit 1.30)\n", b, b / a);
    std::printf("  opened and measured     %7.3f s   (measuring starts after the batch)\n", median(measured));
    std::printf("  resident memory, 30 open %6.1f MB  (limit 150 MB)\n", residentKb / 1024.0);
    return 0;
}
