// The player through the real audio path: the program's main window plays
// WAV files on disk through the engine into the PulseAudio null sink of
// scripts/start-audio.sh, whose monitor parec records. The recording is
// followed through the tracks' rendered data (what saving writes), so a
// gap, a repeat or a wrong place shows as a mismatch.
#include "DialogDriver.h"
#include "EngineClient.h"
#include "QtTestEnvironment.h"
#include "ShellFixture.h"
#include "audio_home.h"
#include "monitor_recording.h"
#include "wav_builder.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

#include <cstring>
#include <functional>

using shelltest::Shell;

namespace {

constexpr int32_t Second = 176400;
constexpr size_t FrameRate = 44100;
// The monitor misses the first milliseconds of a stream that joins the sink.
constexpr size_t StartSlack = 2048;
// Continue a segment where the previous one ended in its own source.
constexpr size_t Continue = SIZE_MAX;

using Samples = std::vector<int16_t>;

// Noise of the given length with one louder frame where the peak is to be.
Samples noiseWithPeak(double seconds, double peakAt, uint32_t seed)
{
    Samples samples = testsupport::noise(size_t(seconds * FrameRate) * 2, 16000, seed);
    const size_t peak = size_t(peakAt * FrameRate) * 2;
    samples[peak] = samples[peak + 1] = 30000;
    return samples;
}

QString writeWav(const Shell& shell, const QString& name, const Samples& samples)
{
    const auto path = shell.folder / name.toStdString();
    testsupport::writeFile(path, testsupport::makeWav(samples));
    return QString::fromStdString(path.string());
}

// The track's data as saving renders it: what playback must send out.
Samples rendered(const Shell& shell, int track)
{
    Track copy = shell.list().TrackAt(track);
    const auto destination = shell.folder / ("rendered" + std::to_string(track) + ".wav");
    if (engineclient::save(copy, QString::fromStdString(destination.string()), true, nullptr) != ENGINE_SUCCESS)
        return {};
    const auto data = testsupport::slice(testsupport::readFile(destination), size_t(copy.record.dataOffset),
                                         size_t(copy.record.dataBytes));
    Samples samples(data.size() / 2);
    std::memcpy(samples.data(), data.data(), samples.size() * 2);
    return samples;
}

bool sameFrame(const Samples& a, size_t i, const Samples& b, size_t j)
{
    return a[2 * i] == b[2 * j] && a[2 * i + 1] == b[2 * j + 1];
}

// A stretch of one source heard without a break: frames [first, end).
struct Segment {
    size_t first = 0;
    size_t end = 0;
};

struct Followed {
    std::vector<Segment> segments;
    bool restSilent = false;
    // A segment broke off into silence where its source had sound: the
    // null sink was not fed in time and played silence.
    bool ranDry = false;
};

// Follows the recording through the sources in order. The first segment is
// found near its start frame; every later one must begin exactly where the
// previous one stopped matching, at its given start frame (or, with
// Continue, at the frame where the previous segment ended).
Followed follow(const Samples& recording, const std::vector<Samples>& sources, const std::vector<size_t>& starts)
{
    Followed result;
    const size_t frames = recording.size() / 2;
    size_t p = 0;
    while (p < frames && recording[2 * p] == 0 && recording[2 * p + 1] == 0)
        ++p;
    size_t f = starts[0];
    const auto matchesAt = [&](size_t candidate) {
        for (size_t k = 0; k < 32; ++k)
            if (p + k >= frames || candidate + k >= sources[0].size() / 2 ||
                !sameFrame(recording, p + k, sources[0], candidate + k))
                return false;
        return true;
    };
    while (f < starts[0] + 2 * StartSlack && !matchesAt(f))
        ++f;
    if (f == starts[0] + 2 * StartSlack)
        return result;
    for (size_t i = 0; i < sources.size(); ++i) {
        const Samples& source = sources[i];
        if (i > 0)
            f = starts[i] == Continue ? result.segments.back().end : starts[i];
        Segment segment{f, f};
        while (segment.end < source.size() / 2 && p < frames && sameFrame(recording, p, source, segment.end)) {
            ++segment.end;
            ++p;
        }
        if (segment.end < source.size() / 2 && p < frames && recording[2 * p] == 0 && recording[2 * p + 1] == 0)
            result.ranDry = true;
        result.segments.push_back(segment);
    }
    result.restSilent = std::all_of(recording.begin() + std::ptrdiff_t(2 * p), recording.end(),
                                    [](int16_t sample) { return sample == 0; });
    return result;
}

QByteArray describe(const Followed& heard)
{
    QByteArray text = "segments heard (frames):";
    for (const Segment& segment : heard.segments)
        text += " [" + QByteArray::number(qulonglong(segment.first)) + ", " + QByteArray::number(qulonglong(segment.end)) + ")";
    return text + (heard.restSilent ? ", then silence" : ", then more sound") +
           (heard.ranDry ? ", broken off by silence" : "");
}

}  // namespace

class TestPlayerAudio : public QObject {
    Q_OBJECT
private slots:
    void init();
    void playsTheListAsOneProgramme();
    void peakPointPlayRunsThroughTheExcerpts();
    void levelChangeIsHeardWithinABlock();
    void stopReturnsToIdle();
    void deletedFileIsReported();
    // Changes the audio device for the rest of the run: keep it last.
    void missingDeviceIsReported();

private:
    // Plays with the command, records until the player is idle again and
    // the sink has played what it may still hold, and follows the recording
    // through the sources. A machine too busy to feed the sink in time makes
    // it play silence, and the monitor then misses the frames that follow;
    // only a run that broke off into silence is played again, up to three
    // times in all. Any other difference is returned at once.
    Followed hear(Shell& shell, const char* command, int timeoutMs, const std::vector<Samples>& sources,
                  const std::vector<size_t>& starts, const std::function<bool(const Followed&)>& expected,
                  const std::function<void()>& prepare = [] {});
    Samples playAndRecord(Shell& shell, const char* command, int timeoutMs);
    testsupport::TempDir m_recordings;
};

void TestPlayerAudio::init()
{
    shelltest::clearSettings();
    if (system(("pactl --server=" + playbacktest::pulseServer() + " info >/dev/null 2>&1").c_str()) != 0)
        QFAIL("no PulseAudio test daemon; run scripts/start-audio.sh");
}

Samples TestPlayerAudio::playAndRecord(Shell& shell, const char* command, int timeoutMs)
{
    playbacktest::MonitorRecording recording(m_recordings / "monitor.raw");
    shell.grid()->SetRow(1);
    shell.window->RefreshCommands();
    shell.run(command);
    [&] { QTRY_COMPARE_WITH_TIMEOUT(shell.window->PlayerActive(), -1, timeoutMs); }();
    [&] { QVERIFY(recording.recordMore(playbacktest::kSinkTailFrames)); }();
    return recording.stop();
}

Followed TestPlayerAudio::hear(Shell& shell, const char* command, int timeoutMs, const std::vector<Samples>& sources,
                               const std::vector<size_t>& starts, const std::function<bool(const Followed&)>& expected,
                               const std::function<void()>& prepare)
{
    for (int attempt = 1;; ++attempt) {
        prepare();
        const Followed heard = follow(playAndRecord(shell, command, timeoutMs), sources, starts);
        if (expected(heard) || !heard.ranDry || attempt == 3)
            return heard;
        qWarning("attempt %d: %s", attempt, describe(heard).constData());
    }
}

void TestPlayerAudio::playsTheListAsOneProgramme()
{
    Shell shell;
    // 1: 1.5 s of sound and 1 s of silence, of which 0.5 s is cut.
    // 2: 1.5 s of sound and 0.5 s of added silence. 3: a 0.5 s fade-in.
    Samples first = noiseWithPeak(1.5, 0.5, 1);
    first.resize(first.size() + 2 * FrameRate, 0);
    shell.open({writeWav(shell, "1.wav", first), writeWav(shell, "2.wav", noiseWithPeak(1.5, 0.5, 2)),
                writeWav(shell, "3.wav", noiseWithPeak(1.5, 0.5, 3))});
    QCOMPARE(shell.list().TrackCount(), 3);
    shell.list().TrackAt(1).record.muteAdjustBytes = -Second / 2;
    shell.list().TrackAt(2).record.muteAdjustBytes = Second / 2;
    TrackRecord& faded = shell.list().TrackAt(3).record;
    faded.preDigitalMute = 0;
    faded.fadeInEnd = faded.fadeInBytes = Second / 2;
    faded.fadeInCurve = 1.0f;
    shell.list().UpdateTimeline(1, 3);
    const std::vector<Samples> tracks = {rendered(shell, 1), rendered(shell, 2), rendered(shell, 3)};
    QCOMPARE(tracks[0].size(), size_t(2 * FrameRate * 2));
    QCOMPARE(tracks[1].size(), size_t(2 * FrameRate * 2));

    // Each track whole, the next one right after it.
    const auto expected = [&](const Followed& heard) {
        return heard.segments.size() == 3 && heard.segments[0].first < StartSlack &&
               heard.segments[0].end == tracks[0].size() / 2 && heard.segments[1].end == tracks[1].size() / 2 &&
               heard.segments[2].end == tracks[2].size() / 2 && heard.restSilent;
    };
    const Followed heard = hear(shell, "mnuPlayStart", 20000, tracks, {0, 0, 0}, expected);
    QVERIFY2(expected(heard), describe(heard));
    QVERIFY(shell.prompts.messages.isEmpty());
}

void TestPlayerAudio::peakPointPlayRunsThroughTheExcerpts()
{
    Shell shell;
    shell.open({writeWav(shell, "1.wav", noiseWithPeak(8, 4, 4)), writeWav(shell, "2.wav", noiseWithPeak(5, 1, 5)),
                writeWav(shell, "3.wav", noiseWithPeak(6, 4, 6))});
    const std::vector<Samples> tracks = {rendered(shell, 1), rendered(shell, 2), rendered(shell, 3)};

    // Excerpts from 3 s before each peak (the second peak lies within the
    // first 3 s), each at least to 3 s after its peak, the last to its end.
    const auto expected = [&](const Followed& heard) {
        return heard.segments.size() == 3 && heard.segments[0].first < FrameRate + StartSlack &&
               heard.segments[0].end >= 7 * FrameRate && heard.segments[1].end >= 4 * FrameRate &&
               heard.segments[1].end < tracks[1].size() / 2 && heard.segments[2].end == tracks[2].size() / 2 &&
               heard.restSilent;
    };
    const Followed heard = hear(shell, "mnuPlayPeak", 30000, tracks, {FrameRate, 0, FrameRate}, expected);
    QVERIFY2(expected(heard), describe(heard));
    QCOMPARE(shell.window->player().PeakRun(), 0);
}

void TestPlayerAudio::levelChangeIsHeardWithinABlock()
{
    Shell shell;
    shell.open({writeWav(shell, "1.wav", noiseWithPeak(4, 1, 7))});
    const Samples full = rendered(shell, 1);
    shell.list().TrackAt(1).record.levelPercent = 50;
    const Samples half = rendered(shell, 1);
    shell.list().TrackAt(1).record.levelPercent = 100;

    // Once 1 s of this run is queued (a run played again starts with the
    // last run's end position), the level dialog sets 50 %.
    const auto prepare = [&shell] {
        shell.list().TrackAt(1).record.levelPercent = 100;
        auto* timer = new QTimer(shell.window.get());
        connect(timer, &QTimer::timeout, [&shell, timer, began = false]() mutable {
            began = began || shell.window->player().TimelinePosition() < Second;
            if (!began || shell.window->player().TimelinePosition() < Second)
                return;
            timer->deleteLater();
            timer->stop();
            dialogdriver::whenShown("fEditLevel", [](QWidget* dialog) {
                dialog->findChild<QLineEdit*>("Text1")->setText(QStringLiteral("50"));
                dialog->findChild<QPushButton*>("Command1")->click();
            });
            shell.run("mnuEditLevel");
        });
        timer->start(5);
    };
    // The blocks queued before the change keep the old level: up to three
    // blocks of 4,096 frames after the 1 s mark, and a fourth under load.
    const auto expected = [&](const Followed& heard) {
        return heard.segments.size() == 2 && heard.segments[0].end >= FrameRate &&
               heard.segments[0].end <= FrameRate + 5 * 4096 && heard.segments[1].end == half.size() / 2 &&
               heard.restSilent;
    };
    const Followed heard = hear(shell, "mnuPlayStart", 20000, {full, half}, {0, Continue}, expected, prepare);
    QVERIFY2(expected(heard), describe(heard));
}

void TestPlayerAudio::stopReturnsToIdle()
{
    Shell shell;
    shell.open({writeWav(shell, "1.wav", noiseWithPeak(10, 1, 8))});
    shell.run("mnuPlayStart");
    QCOMPARE(shell.window->PlayerActive(), 1);
    QVERIFY(!shell.window->command("mnuPlayStart")->isEnabled());
    QVERIFY(shell.window->command("mnuPlayStop")->isEnabled());
    QTRY_VERIFY(shell.window->player().TimelinePosition() > 2 * Second);
    shell.run("mnuPlayStop");
    // Idle comes with the engine's end report, not with the 10 s fallback,
    // which would leave its own event behind.
    QTRY_COMPARE_WITH_TIMEOUT(shell.window->PlayerActive(), -1, 30000);
    QCOMPARE(shell.window->player().PlayBarEvent(), int(playerrules::PlaybackEnded));
    QVERIFY(shell.window->command("mnuPlayStart")->isEnabled());
    QVERIFY(shell.window->command("play")->isEnabled());
    QVERIFY(!shell.window->command("mnuPlayStop")->isEnabled());
    QVERIFY(!shell.window->command("stop")->isEnabled());
    QVERIFY(shell.prompts.messages.isEmpty());
}

void TestPlayerAudio::deletedFileIsReported()
{
    Shell shell;
    const QString path = writeWav(shell, "gone.wav", noiseWithPeak(2, 1, 9));
    shell.open({path});
    QFile::remove(path);
    shell.run("mnuPlayStart");
    QTRY_COMPARE(shell.window->PlayerActive(), -1);
    QCOMPARE(shell.prompts.messages.size(), 1);
    QCOMPARE(shell.prompts.messages[0].text, QStringLiteral("再生ファイルが見つかりません"));
    QCOMPARE(shell.prompts.messages[0].caption, QStringLiteral("CD-R簡単編集\"Sonvelle\""));
    QVERIFY(shell.window->command("mnuPlayStart")->isEnabled());
}

void TestPlayerAudio::missingDeviceIsReported()
{
    Shell shell;
    shell.open({writeWav(shell, "1.wav", noiseWithPeak(2, 1, 10))});
    playbacktest::AudioHome missing(playbacktest::Device::Missing);
    shell.run("mnuPlayStart");
    QCOMPARE(shell.window->PlayerActive(), -1);
    QCOMPARE(shell.prompts.messages.size(), 1);
    QCOMPARE(shell.prompts.messages[0].text, QStringLiteral("ｵｰﾃﾞｨｵﾃﾞﾊﾞｲｽがｵｰﾌﾟﾝできません"));
    QCOMPARE(shell.prompts.messages[0].caption, QStringLiteral("ｴﾗｰ"));
    QCOMPARE(shell.prompts.messages[0].buttons, Prompts::Buttons::Ok);
    QVERIFY(shell.window->command("mnuPlayStart")->isEnabled());
}

// One paced audio device for the whole run, chosen before the application
// reads its configuration.
SONVELLE_QTEST_MAIN_WITH(TestPlayerAudio, static playbacktest::AudioHome home(playbacktest::Device::Pulse))
#include "test_player_audio.moc"
