// Thousands of random PlayControll requests, from two threads and from the
// callback, against a worker that renders flat out into the file device.
// Built a second time with ThreadSanitizer, which must report no race.
// Every playback must end with exactly one final report, -1.
#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <random>
#include <thread>

#include "audio_home.h"
#include "callback_log.h"
#include "track.h"
#include "wav_builder.h"
#include "welvox.h"

namespace {

using namespace playbacktest;

class RandomRequests {
public:
    RandomRequests(const std::vector<TrackRecord>& records, uint32_t seed) : m_records(records), m_random(seed) {}

    // Any request but a stop: changes, seeks, and states that are ignored.
    void sendOne() {
        const TrackRecord& record = m_records[pick(m_records.size())];
        const int32_t position = int32_t(pick(size_t(record.dataBytes + 4096)));
        static const int32_t states[] = {2, 2, 4, 4, 4, 0, 3, 7};
        PlayControll(&record, position, states[pick(std::size(states))]);
    }

    size_t pick(size_t count) { return std::uniform_int_distribution<size_t>(0, count - 1)(m_random); }

private:
    const std::vector<TrackRecord>& m_records;
    std::mt19937 m_random;
};

TEST(PlaybackStress, RandomRequestsNeverLoseAStopNorReportTwice) {
    AudioHome home(Device::File);
    testsupport::TempDir dir;
    std::vector<std::unique_ptr<Track>> tracks;
    std::vector<TrackRecord> records;
    for (int i = 0; i < 3; ++i) {
        tracks.push_back(std::make_unique<Track>(dir, "t" + std::to_string(i) + ".wav",
                                                 testsupport::noise(size_t(44100) * 2 * (1 + i), 20000, i + 1)));
        TrackRecord edited = tracks.back()->record;
        edited.levelPercent = 50 + 20 * i;
        records.push_back(tracks.back()->record);
        records.push_back(edited);
    }

    CallbackLog& log = CallbackLog::instance();
    RandomRequests fromCallback(records, 99);
    int requests = 0;
    for (int round = 0; round < 60; ++round) {
        log.clear();
        log.onReport([&](int32_t position) {
            if (position >= 0 && fromCallback.pick(4) == 0) fromCallback.sendOne();
        });
        RandomRequests fromTest(records, 1000 + round);
        std::atomic<bool> stop{false};
        std::thread other([&] {
            RandomRequests fromOther(records, 5000 + round);
            while (!stop.load()) {
                fromOther.sendOne();
                std::this_thread::yield();
            }
        });
        ASSERT_EQ(Play(&records[fromTest.pick(records.size())], 0, CallbackLog::callback), ENGINE_SUCCESS);
        // Spread over a few milliseconds, the requests meet the worker in
        // every phase: starting, playing, draining and ending by itself.
        const int burst = 20 + int(fromTest.pick(80));
        for (int i = 0; i < burst; ++i, ++requests) {
            fromTest.sendOne();
            std::this_thread::sleep_for(std::chrono::microseconds(fromTest.pick(100)));
        }
        PlayControll(&records[0], 0, -1);
        stop = true;
        other.join();

        ASSERT_TRUE(log.waitForEnd()) << "round " << round;
        const std::vector<int32_t> reports = log.reports();
        EXPECT_EQ(reports.back(), -1) << "round " << round;
        EXPECT_EQ(std::count_if(reports.begin(), reports.end(), [](int32_t p) { return p < 0; }), 1)
            << "round " << round;
        EXPECT_TRUE(std::all_of(reports.begin(), reports.end() - 1, [](int32_t p) { return p > 0 && p % 4 == 0; }))
            << "round " << round;
    }
    EXPECT_GT(requests, 1000);
}

}  // namespace
