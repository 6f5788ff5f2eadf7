// Playback through real ALSA into alsa-lib's file plugin: the bytes that
// reach the output, the position reports, and the requests of PlayControll.
// The file device takes samples as fast as they come, so these tests run at
// the speed of rendering; requests that must land at a known point in the
// track are sent from the callback, as the program's callback may.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <functional>
#include <future>
#include <string>
#include <thread>

#include "audio_home.h"
#include "callback_log.h"
#include "playback_state.h"
#include "track.h"
#include "wav_builder.h"
#include "welvox.h"

namespace {

using playbacktest::AudioHome;
using playbacktest::CallbackLog;
using playbacktest::Device;
using playbacktest::Track;
using testsupport::slice;

constexpr int32_t kBlockBytes = 16384;

// 0.5 s of silence, 2 s of noise, 1 s of silence: room for mutes, fades and
// removed silence.
std::vector<int16_t> songSamples(uint32_t seed = 1) {
    std::vector<int16_t> samples(size_t(22050) * 2, 0);
    const std::vector<int16_t> loud = testsupport::noise(size_t(88200) * 2, 20000, seed);
    samples.insert(samples.end(), loud.begin(), loud.end());
    samples.insert(samples.end(), size_t(44100) * 2, 0);
    return samples;
}

// The reports of a playback that queued blocks from `start` up to `end`
// (byte offsets) and then ended.
std::vector<int32_t> reportsUpTo(int32_t start, int32_t end) {
    std::vector<int32_t> reports;
    for (int32_t p = start + kBlockBytes; p - kBlockBytes < end; p += kBlockBytes) reports.push_back(p);
    reports.push_back(-1);
    return reports;
}

class PlaybackOutput : public ::testing::Test {
protected:
    void SetUp() override { log.clear(); }

    std::vector<int32_t> playToEnd(const TrackRecord& record, int32_t start) {
        EXPECT_EQ(Play(&record, start, CallbackLog::callback), ENGINE_SUCCESS);
        EXPECT_TRUE(log.waitForEnd());
        return log.reports();
    }

    AudioHome home{Device::File};
    CallbackLog& log = CallbackLog::instance();
    testsupport::TempDir dir;
};

struct Edit {
    const char* name;
    std::function<void(TrackRecord&)> apply;
};

const Edit kEdits[] = {
    {"unedited", [](TrackRecord&) {}},
    {"level", [](TrackRecord& r) { r.levelPercent = 73; }},
    {"digital mutes",
     [](TrackRecord& r) {
         r.preDigitalMute = 100000;
         r.postDigitalMute = 400000;
     }},
    {"fades",
     [](TrackRecord& r) {
         r.preDigitalMute = 80000;
         r.fadeInEnd = 180000;
         r.fadeInBytes = 100000;
         r.fadeInCurve = 2.0f;
         r.fadeOutStart = 300000;
         r.postDigitalMute = 450000;
         r.fadeOutBytes = 150000;
         r.fadeOutCurve = 0.5f;
     }},
    {"appended silence", [](TrackRecord& r) { r.muteAdjustBytes = 176400; }},
    {"removed silence", [](TrackRecord& r) { r.muteAdjustBytes = -88200; }},
    {"everything",
     [](TrackRecord& r) {
         r.levelPercent = 41;
         r.preDigitalMute = 90000;
         r.fadeInEnd = 130000;
         r.fadeInBytes = 40000;
         r.fadeInCurve = 1.0f;
         r.fadeOutStart = 330000;
         r.postDigitalMute = 420000;
         r.fadeOutBytes = 90000;
         r.fadeOutCurve = 3.0f;
         r.muteAdjustBytes = -70560;
     }},
};

TEST_F(PlaybackOutput, PlaysWhatSavingWritesFromTheStartAndFromMidTrack) {
    for (const Edit& edit : kEdits) {
        SCOPED_TRACE(edit.name);
        Track track(dir, "song.wav", songSamples());
        edit.apply(track.record);
        const std::vector<uint8_t> saved = track.savedData();
        const int32_t end = track.record.dataBytes + track.record.muteAdjustBytes;

        log.clear();
        EXPECT_EQ(playToEnd(track.record, 0), reportsUpTo(0, end));
        EXPECT_TRUE(home.played() == saved) << "played " << home.played().size() << " bytes, saved " << saved.size();

        const int32_t middle = 211680;
        log.clear();
        EXPECT_EQ(playToEnd(track.record, middle), reportsUpTo(middle, end));
        EXPECT_TRUE(home.played() == slice(saved, size_t(middle)));
    }
}

TEST_F(PlaybackOutput, ShortLastBlockIsQueuedWholeAndReportedAsAFullBlock) {
    Track track(dir, "short.wav", testsupport::noise(10000, 5000));
    EXPECT_EQ(playToEnd(track.record, 0), (std::vector<int32_t>{16384, 32768, -1}));
    EXPECT_EQ(home.played().size(), 20000u);
    EXPECT_TRUE(home.played() == track.savedData());
}

TEST_F(PlaybackOutput, StartOffsetsAreTakenAtTheirFrame) {
    Track track(dir, "song.wav", songSamples());
    const std::vector<uint8_t> saved = track.savedData();
    const int32_t end = track.record.dataBytes;

    // An offset inside a frame would swap the channels for the whole track.
    EXPECT_EQ(playToEnd(track.record, 400006), reportsUpTo(400004, end));
    EXPECT_TRUE(home.played() == slice(saved, 400004));

    // A negative one would read the file's header as samples.
    log.clear();
    EXPECT_EQ(playToEnd(track.record, -4000), reportsUpTo(0, end));
    EXPECT_TRUE(home.played() == saved);

    // At or past the end nothing is queued; the playback just ends.
    log.clear();
    EXPECT_EQ(playToEnd(track.record, end), (std::vector<int32_t>{-1}));
    EXPECT_TRUE(home.played().empty());
}

TEST_F(PlaybackOutput, StopEndsWithOneReportAndIsFinal) {
    Track track(dir, "song.wav", songSamples());
    Track other(dir, "other.wav", songSamples(2));
    log.onReport([&](int32_t position) {
        if (position != 2 * kBlockBytes) return;
        PlayControll(&track.record, 0, -1);
        // Requests after a stop must not bring playback back.
        PlayControll(&other.record, 0, 4);
        PlayControll(&other.record, 0, 2);
        PlayControll(&track.record, 0, -1);
    });
    EXPECT_EQ(playToEnd(track.record, 0), (std::vector<int32_t>{16384, 32768, -1}));
    EXPECT_TRUE(home.played() == slice(track.savedData(), 0, 2 * kBlockBytes));
}

TEST_F(PlaybackOutput, ParameterChangeReachesTheNextBlock) {
    Track track(dir, "song.wav", songSamples());
    const std::vector<uint8_t> loud = track.savedData();
    TrackRecord quieter = track.record;
    quieter.levelPercent = 50;
    quieter.muteAdjustBytes = 35280;
    const int32_t change = 8 * kBlockBytes;
    log.onReport([&](int32_t position) {
        if (position == change) PlayControll(&quieter, 0, 2);
    });
    playToEnd(track.record, 0);

    track.record = quieter;
    const std::vector<uint8_t> quiet = track.savedData();
    std::vector<uint8_t> expected = slice(loud, 0, change);
    const std::vector<uint8_t> rest = slice(quiet, change);
    expected.insert(expected.end(), rest.begin(), rest.end());
    EXPECT_TRUE(home.played() == expected);
    EXPECT_EQ(log.reports(), reportsUpTo(0, quieter.dataBytes + quieter.muteAdjustBytes));
}

TEST_F(PlaybackOutput, SeekContinuesInAnotherTrackWithoutClosingTheOutput) {
    Track first(dir, "first.wav", songSamples(1));
    Track second(dir, "second.wav", songSamples(2));
    second.record.levelPercent = 60;
    const int32_t seekAt = 3 * kBlockBytes;
    const int32_t target = 123456;  // the seek below asks for two bytes into this frame
    log.onReport([&](int32_t position) {
        if (position == seekAt) PlayControll(&second.record, target + 2, 4);
    });
    std::vector<int32_t> reports = playToEnd(first.record, 0);

    std::vector<uint8_t> expected = slice(first.savedData(), 0, seekAt);
    const std::vector<uint8_t> tail = slice(second.savedData(), target);
    expected.insert(expected.end(), tail.begin(), tail.end());
    EXPECT_TRUE(home.played() == expected);
    std::vector<int32_t> expectedReports = reportsUpTo(0, seekAt - 1);
    expectedReports.pop_back();
    const std::vector<int32_t> after = reportsUpTo(target, second.record.dataBytes);
    expectedReports.insert(expectedReports.end(), after.begin(), after.end());
    EXPECT_EQ(reports, expectedReports);
}

TEST_F(PlaybackOutput, SeekWhileDrainingPlaysTheNextTrackSeamlessly) {
    // The program's continuous play: the report of the last block of one
    // track seeks to the start of the next.
    Track first(dir, "first.wav", testsupport::noise(10000, 5000, 7));
    Track second(dir, "second.wav", testsupport::noise(20000, 5000, 8));
    log.onReport([&](int32_t position) {
        if (position == 32768 && log.reports().size() == 2) PlayControll(&second.record, 0, 4);
    });
    EXPECT_EQ(playToEnd(first.record, 0), (std::vector<int32_t>{16384, 32768, 16384, 32768, 49152, -1}));
    std::vector<uint8_t> expected = first.savedData();
    const std::vector<uint8_t> next = second.savedData();
    expected.insert(expected.end(), next.begin(), next.end());
    EXPECT_TRUE(home.played() == expected);
}

TEST_F(PlaybackOutput, ParameterChangeDoesNotUndoAPendingSeek) {
    // A level change sent right behind a seek, before the worker has acted on
    // it, must neither drop the seek nor play the old file with the new
    // track's record.
    Track first(dir, "first.wav", songSamples(1));
    Track second(dir, "second.wav", songSamples(2));
    TrackRecord louder = second.record;
    louder.levelPercent = 120;
    log.onReport([&](int32_t position) {
        if (position != kBlockBytes || log.reports().size() != 1) return;
        PlayControll(&second.record, 0, 4);
        PlayControll(&louder, 0, 2);
    });
    playToEnd(first.record, 0);
    second.record = louder;
    std::vector<uint8_t> expected = slice(first.savedData(), 0, kBlockBytes);
    const std::vector<uint8_t> next = second.savedData();
    expected.insert(expected.end(), next.begin(), next.end());
    EXPECT_TRUE(home.played() == expected);
}

TEST_F(PlaybackOutput, StatesOtherThanStopChangeAndSeekAreIgnored) {
    Track track(dir, "song.wav", songSamples());
    Track other(dir, "other.wav", songSamples(2));
    log.onReport([&](int32_t position) {
        if (position != kBlockBytes) return;
        EXPECT_EQ(PlayControll(&other.record, 0, 3), ENGINE_SUCCESS);
        EXPECT_EQ(PlayControll(&other.record, 0, 0), ENGINE_SUCCESS);
        EXPECT_EQ(PlayControll(&other.record, 0, 1), ENGINE_SUCCESS);
        EXPECT_EQ(PlayControll(nullptr, 0, 4), ENGINE_SUCCESS);
    });
    EXPECT_EQ(playToEnd(track.record, 0), reportsUpTo(0, track.record.dataBytes));
    EXPECT_TRUE(home.played() == track.savedData());
}

TEST_F(PlaybackOutput, FileThatCannotBeOpenedOrReadEndsWithMinusTwo) {
    Track track(dir, "gone.wav", songSamples());
    std::filesystem::remove(track.path());
    EXPECT_EQ(playToEnd(track.record, 0), (std::vector<int32_t>{-2}));

    // A path that opens but cannot be read: nothing is played, no garbage.
    std::filesystem::create_directory(dir / "folder.wav");
    const std::string folder = (dir / "folder.wav").string();
    Track readable(dir, "song.wav", songSamples());
    TrackRecord unreadable = readable.record;
    unreadable.path = folder.c_str();
    log.clear();
    EXPECT_EQ(playToEnd(unreadable, 0), (std::vector<int32_t>{-2}));
    EXPECT_TRUE(home.played().empty());

    // The same failures after a seek: no -1 follows the -2.
    log.clear();
    log.onReport([&](int32_t position) {
        if (position == kBlockBytes) PlayControll(&unreadable, 0, 4);
    });
    EXPECT_EQ(playToEnd(readable.record, 0), (std::vector<int32_t>{16384, -2}));
}

TEST_F(PlaybackOutput, PlayInsideTheCallbackIsRefused) {
    Track track(dir, "song.wav", songSamples());
    int32_t nested = 0;
    log.onReport([&](int32_t position) {
        if (position == kBlockBytes) nested = Play(&track.record, 0, CallbackLog::callback);
    });
    playToEnd(track.record, 0);
    EXPECT_EQ(nested, ENGINE_OPEN_FAILED);
    EXPECT_EQ(log.reports(), reportsUpTo(0, track.record.dataBytes));
}

TEST_F(PlaybackOutput, PlayWhilePlayingStopsThePreviousPlaybackFirst) {
    // The program may start anew after its stop time-out while the last
    // worker still runs; the two must not share the engine's state.
    Track first(dir, "first.wav", songSamples(1));
    Track second(dir, "second.wav", songSamples(2));
    // The first worker stays in its callback until the second Play has
    // asked it to stop (the bound only ends a hang).
    std::promise<void> inCallback;
    log.onReport([&](int32_t position) {
        if (position != kBlockBytes || log.reports().size() != 1) return;
        inCallback.set_value();
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(30);
        while (welvox::currentPlayState() != -1 && std::chrono::steady_clock::now() < deadline)
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
    });
    ASSERT_EQ(Play(&first.record, 0, CallbackLog::callback), ENGINE_SUCCESS);
    inCallback.get_future().wait();
    EXPECT_EQ(Play(&second.record, 0, CallbackLog::callback), ENGINE_SUCCESS);
    std::vector<int32_t> expected{kBlockBytes, -1};
    const std::vector<int32_t> rest = reportsUpTo(0, second.record.dataBytes);
    expected.insert(expected.end(), rest.begin(), rest.end());
    EXPECT_TRUE(log.waitForCount(expected.size()));
    EXPECT_EQ(log.reports(), expected);
    EXPECT_TRUE(home.played() == second.savedData());
}

TEST(PlaybackDevice, MissingOutputDeviceGives1003AndNoReports) {
    AudioHome home(Device::Missing);
    testsupport::TempDir dir;
    Track track(dir, "song.wav", songSamples());
    CallbackLog::instance().clear();
    EXPECT_EQ(Play(&track.record, 0, CallbackLog::callback), ENGINE_OPEN_FAILED);
    EXPECT_EQ(Play(nullptr, 0, CallbackLog::callback), ENGINE_OPEN_FAILED);
    EXPECT_FALSE(CallbackLog::instance().waitForCount(1, std::chrono::milliseconds(200)));
}

}  // namespace
