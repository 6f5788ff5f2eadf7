// Collects what the playback worker reports through the PlaybackCallback, and
// lets a test act on a report on the worker thread, as the program's
// callback would.
#pragma once

#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <mutex>
#include <vector>

namespace playbacktest {

class CallbackLog {
public:
    // The one log that callback() writes to.
    static CallbackLog& instance();
    // The PlaybackCallback to hand to Play.
    static int32_t callback(int32_t position);

    // Forgets earlier reports and the reaction.
    void clear();
    // Runs on the worker thread after each report is logged.
    void onReport(std::function<void(int32_t position)> reaction);

    // Waits for the final report (-1 or -2); false when none came in time.
    bool waitForEnd(std::chrono::milliseconds timeout = std::chrono::seconds(30));
    // Waits until at least count reports have come.
    bool waitForCount(size_t count, std::chrono::milliseconds timeout = std::chrono::seconds(30));
    std::vector<int32_t> reports() const;

private:
    void add(int32_t position);

    mutable std::mutex m_lock;
    std::condition_variable m_changed;
    std::vector<int32_t> m_reports;
    std::function<void(int32_t)> m_reaction;
};

}  // namespace playbacktest
