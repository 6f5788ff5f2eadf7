// The player and the play bar, each beside a reference measured in the same
// run:
//  - RedrawPlayBar with 30 tracks into a 1,000-pixel picture, beside Qt
//    painting the finished window once (QWidget::grab);
//  - the user-interface thread's CPU while a track plays with its marker
//    moving, beside the process's other threads (the engine's worker and
//    the audio client) over the same time;
//  - StartPlayback to the first position report handled on the user-interface
//    thread, beside Play to the engine's first callback on its worker.
// Playback goes to the paced null sink of scripts/start-audio.sh.
//
//   scripts/start-audio.sh && build/bin/bench_player
#include "median.h"
#include "EngineClient.h"
#include "PictureBox.h"
#include "PlayBarWindow.h"
#include "PlayListWindow.h"
#include "Prompts.h"
#include "SettingsStore.h"
#include "welvox.h"
#include "platform_notes.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <fstream>
#include <thread>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;
constexpr int Tracks = 30;

double threadCpuSeconds()
{
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return double(t.tv_sec) + double(t.tv_nsec) / 1e9;
}

class SilentPrompts : public Prompts {
public:
    Answer message(QWidget*, const QString& text, const QString&, Buttons, Answer) override
    {
        qFatal("unexpected message: %s", qPrintable(text));
    }
    QStringList openFileNames(QWidget*, const QString&, const QString&) override { return {}; }
};

// Routes ALSA's "default" to the test daemon, before anything opens ALSA.
void usePacedDevice(const QString& home)
{
    std::ofstream(QFile::encodeName(home + QStringLiteral("/.asoundrc")).constData())
        << "pcm.!default {\n  type pulse\n}\nctl.!default {\n  type pulse\n}\n";
    qputenv("HOME", QFile::encodeName(home));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(home));
    const QByteArray dir = qgetenv("SONVELLE_PULSE_DIR");
    qputenv("PULSE_SERVER", "unix:" + (dir.isEmpty() ? QByteArray("/tmp/sonvelle-pulse") : dir) + "/native");
}

// A 30-second track of a slow ramp, analysed by the engine.
Track writtenTrack(const QString& path)
{
    const int frames = 30 * 44100;
    QByteArray data(frames * 4, '\0');
    auto* samples = reinterpret_cast<int16_t*>(data.data());
    for (int k = 0; k < 2 * frames; ++k)
        samples[k] = int16_t((k / 2 % 200) * 100 - 10000);
    QByteArray header(44, '\0');
    const auto put = [&](int at, uint32_t value, int bytes) { std::memcpy(header.data() + at, &value, size_t(bytes)); };
    std::memcpy(header.data(), "RIFFxxxxWAVEfmt ", 16);
    put(4, uint32_t(36 + data.size()), 4);
    put(16, 16, 4);
    put(20, 1, 2);
    put(22, 2, 2);
    put(24, 44100, 4);
    put(28, 176400, 4);
    put(32, 4, 2);
    put(34, 16, 2);
    std::memcpy(header.data() + 36, "data", 4);
    put(40, uint32_t(data.size()), 4);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(header + data) != 44 + data.size())
        qFatal("cannot write %s", qPrintable(path));
    file.close();
    Track track;
    track.title = QStringLiteral("ramp.wav");
    track.path = path;
    if (engineclient::analyse(track, true, nullptr) != ENGINE_SUCCESS)
        qFatal("FileOpen refused %s", qPrintable(path));
    return track;
}

// Thirty copies of the track: 15 minutes, all of them in the 1,000-pixel view.
void fillList(PlayList& list, const Track& track)
{
    for (int i = 1; i <= Tracks; ++i)
        list.AddTrack(QStringLiteral("%1 ramp.wav").arg(i, 2, 10, QLatin1Char('0')), track.path, track.record);
}

void redrawBench(PlayBarWindow& bar)
{
    bar.setMaximumWidth(QWIDGETSIZE_MAX);
    bar.resize(1000 + (bar.width() - bar.picture()->contentsRect().width()), bar.height());
    QApplication::processEvents();
    std::vector<double> redraw, grab;
    for (int round = 0; round < 200; ++round) {
        QElapsedTimer clock;
        clock.start();
        bar.RedrawPlayBar();
        redraw.push_back(clock.nsecsElapsed() / 1e6);
        clock.restart();
        bar.grab();
        grab.push_back(clock.nsecsElapsed() / 1e6);
    }
    const double r = median(redraw);
    const double g = median(grab);
    std::printf("RedrawPlayBar, %d tracks, picture %d px wide (median of 200)\n", Tracks,
                bar.picture()->contentsRect().width());
    std::printf("  QWidget::grab of the play bar %7.3f ms\n", g);
    std::printf("  RedrawPlayBar                 %7.3f ms   ratio %.2f (limit 5 ms)\n", r, r / g);
}

double processCpuSeconds()
{
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return double(t.tv_sec) + double(t.tv_nsec) / 1e9;
}

// Runs the event loop for the given time; the CPU of this thread and of the
// whole process.
std::pair<double, double> cpuWhileRunning(int milliseconds)
{
    const double thread = threadCpuSeconds();
    const double process = processCpuSeconds();
    QEventLoop loop;
    QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
    loop.exec();
    return {threadCpuSeconds() - thread, processCpuSeconds() - process};
}

bool waitUntil(const std::function<bool()>& done, int timeoutMs)
{
    QElapsedTimer clock;
    clock.start();
    while (!done()) {
        if (clock.elapsed() > timeoutMs)
            return false;
        QApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
    }
    return true;
}

void cpuBench(Player& player)
{
    const int milliseconds = 15000;
    const double seconds = milliseconds / 1000.0;
    player.StartPlayback(1, 0);
    const auto [ui, process] = cpuWhileRunning(milliseconds);
    player.StopPlayback();
    waitUntil([&] { return player.PlayerActive() == -1; }, 12000);
    const double others = process - ui;
    std::printf("CPU while a track plays %.0f s with its marker moving\n", seconds);
    std::printf("  worker and audio threads      %6.2f %% of a core\n", 100 * others / seconds);
    std::printf("  user-interface thread         %6.2f %% of a core   ratio %.2f (limit 2 %%)\n",
                100 * ui / seconds, ui / std::max(others, 1e-6));
}

std::atomic<Clock::rep> g_firstReport{0};
std::atomic<bool> g_ended{false};

int32_t engineReport(int32_t position)
{
    Clock::rep expected = 0;
    if (position >= 0)
        g_firstReport.compare_exchange_strong(expected, Clock::now().time_since_epoch().count());
    else
        g_ended = true;
    return 0;
}

void startBench(Player& player, Track& track)
{
    std::vector<double> engine, program;
    for (int round = 0; round < 20; ++round) {
        g_firstReport = 0;
        g_ended = false;
        const auto start = Clock::now();
        engineclient::play(track, 0, engineReport);
        waitUntil([] { return g_firstReport != 0; }, 5000);
        engine.push_back(std::chrono::duration<double, std::milli>(
                             Clock::duration(g_firstReport.load()) - start.time_since_epoch()).count());
        engineclient::control(track, 0, -1);
        waitUntil([] { return g_ended.load(); }, 5000);

        QElapsedTimer clock;
        clock.start();
        player.StartPlayback(1, 0);
        waitUntil([&] { return player.PlayBarMarkerX() != -100; }, 5000);
        program.push_back(clock.nsecsElapsed() / 1e6);
        player.StopPlayback();
        waitUntil([&] { return player.PlayerActive() == -1; }, 12000);
    }
    const double e = median(engine);
    const double p = median(program);
    std::printf("start to the first position report (median of 20 starts on the null sink)\n");
    std::printf("  Play to the engine's callback %7.1f ms\n", e);
    std::printf("  StartPlayback to the UI thread%7.1f ms   ratio %.2f (limit 50 ms)\n", p, p / e);
}

}  // namespace

int main(int argc, char* argv[])
{
    QTemporaryDir home;
    usePacedDevice(home.path());
    platformnotes::silence();
    QApplication application(argc, argv);
    SilentPrompts prompts;
    SettingsStore store;
    PlayListWindow window(prompts, store);
    window.show();
    Track track = writtenTrack(home.path() + QStringLiteral("/ramp.wav"));
    fillList(window.playList(), track);
    window.RefreshCommands();

    redrawBench(*window.playBar());
    cpuBench(window.player());
    startBench(window.player(), window.playList().TrackAt(1));
    return 0;
}
