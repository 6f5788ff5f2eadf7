// The state word through which Play and PlayControll steer the playback
// worker, with the pending copy of the record and the seek position that
// travel with a request.
//
// Thread safety: every member may be called from any thread. Requests
// (start, requestParameters, requestSeek) write the pending copy under a
// lock and publish the new state word in the same critical section; the
// worker takes a request (take) under the same lock, so it never sees a
// half-written copy. The worker's own transitions (1 to 0, 0 to -1) are
// compare-and-swap operations that fail when a request came in between, so
// no request is lost. A stop is final: once the word is -1, parameter and
// seek requests are ignored until the next start. Every request wakes a
// worker waiting in waitForRequest.
#pragma once

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <optional>

#include "record_copy.h"

namespace welvox {

// The values of PlayState.
enum : int32_t {
    kStopped = -1,       // leave the loop and shut down
    kDraining = 0,       // the track's last block is queued
    kPlaying = 1,        // keep the buffers filled
    kParameters = 2,     // take the pending copy, play on
    kStarting = 3,       // open the pending copy's file, play from the play position
    kSeeking = 4,        // reopen, play from the seek position
};

class PlaybackState {
public:
    // A request as the worker takes it: the state word it found, and the
    // pending copy and seek position written with that request.
    struct Request {
        int32_t state;
        RecordCopy record;
        int32_t seekPosition;
    };

    int32_t load() const { return m_word.load(std::memory_order_acquire); }

    // Play: hands over the record to start with (no worker is running).
    void start(const TrackRecord& record);
    void requestStop();
    // While a start or seek is still pending it stays pending, now with this
    // record, so that the file is still opened or the position still moved.
    void requestParameters(const TrackRecord& record);
    void requestSeek(const TrackRecord& record, int32_t samplePosition);

    // The worker: takes the pending request (state 2, 3 or 4) and sets the
    // word to 1. Empty when there is none any more (a stop came first).
    std::optional<Request> take();
    // The worker's own transitions; false when a request came in between.
    bool advance(int32_t from, int32_t to) {
        return m_word.compare_exchange_strong(from, to, std::memory_order_acq_rel);
    }
    // The worker: sleeps until the word is no longer `seen` or until
    // `until`, whichever comes first.
    void waitForRequest(int32_t seen, std::chrono::steady_clock::time_point until);

private:
    void publish(int32_t request);

    std::atomic<int32_t> m_word{kStopped};
    std::mutex m_lock;  // guards m_pending and m_seekPosition; requests publish under it
    std::condition_variable m_requested;
    RecordCopy m_pending;
    int32_t m_seekPosition = 0;
};

// The state word of the engine's one playback, as Play and PlayControll
// leave it: lets a test hold the worker until a request has arrived.
int32_t currentPlayState();

}  // namespace welvox
