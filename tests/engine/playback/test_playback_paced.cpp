// Playback in real time, through the PulseAudio null sink that
// scripts/start-audio.sh runs, recorded from the sink's monitor. The track
// is position-coded, so every recorded frame tells which track frame it is.
// Tolerances are generous: these tests check that a stop cuts the queued
// audio and that a seek leaves no gap, not how fast the machine is.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <optional>
#include <thread>

#include "audio_home.h"
#include "callback_log.h"
#include "monitor_recording.h"
#include "track.h"
#include "welvox.h"

namespace {

using namespace playbacktest;

constexpr int64_t kBlockFrames = 4096;
constexpr int32_t kBlockBytes = 16384;
// How much of a stream's start the sink's monitor may miss: it misses the first
// milliseconds of any stream that joins the running sink, pacat's as well.
constexpr int64_t kStartSlack = 2048;

// The track frames the recording holds, in the order heard, and how many
// silent frames lay between each one and the one before it.
struct Heard {
    std::vector<int64_t> frames;
    std::vector<int64_t> silenceBefore;
};

Heard decode(const std::vector<int16_t>& samples) {
    Heard heard;
    int64_t silence = 0;
    for (size_t i = 0; i + 1 < samples.size(); i += 2) {
        const int64_t frame = decodePosition(samples[i], samples[i + 1]);
        if (frame < 0) {
            ++silence;
            continue;
        }
        heard.frames.push_back(frame);
        heard.silenceBefore.push_back(heard.frames.size() == 1 ? 0 : silence);
        silence = 0;
    }
    return heard;
}

// Index of the first frame that does not follow its predecessor; the size
// when all are consecutive.
size_t firstJump(const std::vector<int64_t>& frames, size_t from = 1) {
    for (size_t i = std::max<size_t>(from, 1); i < frames.size(); ++i)
        if (frames[i] != frames[i - 1] + 1) return i;
    return frames.size();
}

// Waits until the recording ends in 0.2 s of silence after the track was
// heard: the device has run dry. False when that does not come in 30 s.
bool awaitRunDry(const MonitorRecording& recording) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(30);
    while (std::chrono::steady_clock::now() < deadline) {
        const std::vector<int16_t> samples = recording.soFar();
        size_t silent = 0;
        for (size_t i = samples.size(); i >= 2 && decodePosition(samples[i - 2], samples[i - 1]) < 0; i -= 2) ++silent;
        if (silent >= 44100 / 5 && silent < samples.size() / 2) return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return false;
}

class PacedPlayback : public ::testing::Test {
protected:
    void SetUp() override {
        log.clear();
        if (system(("pactl --server=" + pulseServer() + " info >/dev/null 2>&1").c_str()) != 0)
            FAIL() << "no PulseAudio test daemon; run scripts/start-audio.sh";
    }

    // Plays until the end report, then records on while the sink could
    // still play queued audio, so that audio still sounding after the stop
    // would be caught.
    Heard playAndRecord(const TrackRecord& record) {
        recording.emplace(dir / "monitor.raw");
        EXPECT_EQ(Play(&record, 0, CallbackLog::callback), ENGINE_SUCCESS);
        EXPECT_TRUE(log.waitForEnd());
        EXPECT_TRUE(recording->recordMore(kSinkTailFrames));
        return decode(recording->stop());
    }

    AudioHome home{Device::Pulse};
    std::optional<MonitorRecording> recording;
    CallbackLog& log = CallbackLog::instance();
    testsupport::TempDir dir;
};

TEST_F(PacedPlayback, StopCutsTheQueuedAudioWithinOneBuffer) {
    Track track(dir, "coded.wav", positionCoded(10 * 44100));
    const int32_t stopAt = 24 * kBlockBytes;
    log.onReport([&](int32_t position) {
        if (position == stopAt) PlayControll(&track.record, 0, -1);
    });
    const Heard heard = playAndRecord(track.record);
    ASSERT_EQ(log.reports().back(), -1);
    ASSERT_FALSE(heard.frames.empty());

    // Everything heard is the track from its start, in order (but for the
    // first milliseconds, which the monitor misses; see kStartSlack).
    EXPECT_LT(heard.frames.front(), kStartSlack);
    EXPECT_EQ(firstJump(heard.frames), heard.frames.size());

    // At the stop the three queued buffers held track frames up to stopAt;
    // the one being heard began three buffers earlier. Without the reset all
    // of them would still sound; with it, at most about one more buffer.
    const int64_t queuedEnd = stopAt / 4;
    const int64_t lastHeard = heard.frames.back();
    EXPECT_LT(lastHeard, queuedEnd - kBlockFrames);
    EXPECT_GE(lastHeard, queuedEnd - 4 * kBlockFrames);
}

TEST_F(PacedPlayback, SeekPlaysOnWithoutAGap) {
    Track track(dir, "coded.wav", positionCoded(10 * 44100));
    const int32_t seekAt = 16 * kBlockBytes;
    const int32_t target = 8 * 176400;
    const int32_t stopAt = target + 8 * kBlockBytes;
    log.onReport([&](int32_t position) {
        if (position == seekAt) PlayControll(&track.record, target, 4);
        if (position == stopAt) PlayControll(&track.record, 0, -1);
    });
    const Heard heard = playAndRecord(track.record);
    ASSERT_FALSE(heard.frames.empty());

    // The blocks queued before the seek all play, then the track goes on at
    // the target: one jump, nothing lost or repeated.
    EXPECT_LT(heard.frames.front(), kStartSlack);
    const size_t jump = firstJump(heard.frames);
    ASSERT_LT(jump, heard.frames.size());
    EXPECT_EQ(heard.frames[jump - 1], seekAt / 4 - 1);
    EXPECT_EQ(heard.frames[jump], target / 4);
    EXPECT_EQ(firstJump(heard.frames, jump + 1), heard.frames.size());

    // No silence at the seam: the output was never closed or starved.
    EXPECT_LT(heard.silenceBefore[jump], kBlockFrames) << "silent frames at the seek";
}

TEST_F(PacedPlayback, PlaysOnAfterAnUnderrun) {
    // The worker stalls inside the callback until the queued audio has run
    // out; the device runs dry and must be brought back.
    Track track(dir, "coded.wav", positionCoded(3 * 44100));
    log.onReport([&](int32_t position) {
        if (position == 12 * kBlockBytes) {
            EXPECT_TRUE(awaitRunDry(*recording));
        }
    });
    const Heard heard = playAndRecord(track.record);
    EXPECT_EQ(log.reports().back(), -1);
    ASSERT_FALSE(heard.frames.empty());

    // Nothing repeated, and nothing lost but what the monitor misses when
    // the stream starts again after the gap; the track is heard to its end.
    EXPECT_LT(heard.frames.front(), kStartSlack);
    for (size_t j = firstJump(heard.frames); j < heard.frames.size(); j = firstJump(heard.frames, j + 1)) {
        EXPECT_GT(heard.silenceBefore[j], 0) << "frames lost without a gap at " << heard.frames[j];
        EXPECT_GT(heard.frames[j], heard.frames[j - 1]);
        EXPECT_LT(heard.frames[j] - heard.frames[j - 1], kStartSlack);
    }
    EXPECT_EQ(heard.frames.back(), 3 * 44100 - 1);
    EXPECT_GT(*std::max_element(heard.silenceBefore.begin(), heard.silenceBefore.end()), 44100 / 10)
        << "the stall left no gap: it did not test an underrun";
}

}  // namespace
