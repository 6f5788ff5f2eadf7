// Opening 30 five-minute tracks through the program's open workflow (the
// toolbar's open button, one progress dialog per file, the grid's rows)
// beside the engine's FileOpen alone on the same files, and the program's
// resident memory with the 30 tracks open.
//
//   bench_app_open [folder]   (default: a temporary folder; needs 1.6 GB)
#include "median.h"
#include "PlayListWindow.h"
#include "Prompts.h"
#include "SettingsStore.h"
#include "welvox.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <vector>

namespace {

constexpr int Tracks = 30;
constexpr int FramesPerTrack = 44100 * 300;
constexpr int Rounds = 3;

// A stereo 16-bit file: a second of silence, noise, a second of silence.
void writeTrack(const QString& path, uint32_t seed)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        qFatal("cannot write %s", qPrintable(path));
    const uint32_t dataBytes = uint32_t(FramesPerTrack) * 4;
    QByteArray header(44, '\0');
    char* h = header.data();
    const auto put32 = [](char* at, uint32_t value) { std::memcpy(at, &value, 4); };
    const auto put16 = [](char* at, uint16_t value) { std::memcpy(at, &value, 2); };
    std::memcpy(h, "RIFF", 4);
    put32(h + 4, 36 + dataBytes);
    std::memcpy(h + 8, "WAVEfmt ", 8);
    put32(h + 16, 16);
    put16(h + 20, 1);
    put16(h + 22, 2);
    put32(h + 24, 44100);
    put32(h + 28, 176400);
    put16(h + 32, 4);
    put16(h + 34, 16);
    std::memcpy(h + 36, "data", 4);
    put32(h + 40, dataBytes);
    file.write(header);
    std::vector<int16_t> block(2 * 44100);
    for (int second = 0; second < FramesPerTrack / 44100; ++second) {
        const bool silent = second == 0 || second == FramesPerTrack / 44100 - 1;
        for (int16_t& sample : block) {
            seed = seed * 1664525u + 1013904223u;
            sample = silent ? 0 : int16_t(int32_t(seed >> 16) % 20000);
        }
        file.write(reinterpret_cast<const char*>(block.data()), qint64(block.size() * 2));
    }
}

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
    QStringList openFileNames(QWidget*, const QString&) override { return m_paths; }

private:
    QStringList m_paths;
};

double throughWorkflow(const QStringList& paths, long* residentKb)
{
    ChoosingPrompts prompts(paths);
    SettingsStore store;
    PlayListWindow window(prompts, store);
    window.show();
    QApplication::processEvents();
    QElapsedTimer clock;
    clock.start();
    window.Toolbar1_ButtonClick(QStringLiteral("open"));
    QApplication::processEvents();
    const double seconds = clock.nsecsElapsed() / 1e9;
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
    QApplication application(argc, argv);
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : scratch.path();
    QDir().mkpath(folder);

    QStringList paths;
    for (int i = 1; i <= Tracks; ++i) {
        const QString path = QStringLiteral("%1/track%2.wav").arg(folder).arg(i, 2, 10, QLatin1Char('0'));
        if (!QFile::exists(path) || QFile(path).size() != 44 + qint64(FramesPerTrack) * 4)
            writeTrack(path, uint32_t(i));
        paths << path;
    }
    engineAlone(paths);  // both sides read from the page cache

    std::vector<double> alone, workflow;
    long residentKb = 0;
    for (int round = 0; round < Rounds; ++round) {
        alone.push_back(engineAlone(paths));
        workflow.push_back(throughWorkflow(paths, &residentKb));
    }
    const double a = median(alone);
    const double w = median(workflow);
    std::printf("open 30 five-minute tracks (median of %d)\n", Rounds);
    std::printf("  FileOpen alone          %7.3f s\n", a);
    std::printf("  open workflow           %7.3f s   ratio %.2f (limit 1.50)\n", w, w / a);
    std::printf("  resident memory, 30 open %6.1f MB  (limit 150 MB)\n", residentKb / 1024.0);
    return 0;
}
