#include "playback_state.h"

namespace welvox {

void PlaybackState::start(const TrackRecord& record) {
    std::lock_guard guard(m_lock);
    m_pending = RecordCopy(record);
    m_word.store(kStarting, std::memory_order_release);
}

void PlaybackState::requestStop() {
    std::lock_guard guard(m_lock);
    m_word.store(kStopped, std::memory_order_release);
    m_requested.notify_all();
}

void PlaybackState::requestParameters(const TrackRecord& record) {
    std::lock_guard guard(m_lock);
    m_pending = RecordCopy(record);
    publish(kParameters);
}

void PlaybackState::requestSeek(const TrackRecord& record, int32_t samplePosition) {
    std::lock_guard guard(m_lock);
    m_pending = RecordCopy(record);
    m_seekPosition = samplePosition;
    publish(kSeeking);
}

// Called with the lock held. Only the worker's lock-free transitions and a
// stop can change the word meanwhile, hence the loop.
void PlaybackState::publish(int32_t request) {
    int32_t current = m_word.load(std::memory_order_acquire);
    for (;;) {
        if (current == kStopped) return;
        const bool keepPending = request == kParameters && (current == kStarting || current == kSeeking);
        const int32_t next = keepPending ? current : request;
        if (m_word.compare_exchange_weak(current, next, std::memory_order_acq_rel)) break;
    }
    m_requested.notify_all();
}

void PlaybackState::waitForRequest(int32_t seen, std::chrono::steady_clock::time_point until) {
    std::unique_lock guard(m_lock);
    m_requested.wait_until(guard, until, [&] { return m_word.load(std::memory_order_acquire) != seen; });
}

std::optional<PlaybackState::Request> PlaybackState::take() {
    std::lock_guard guard(m_lock);
    int32_t current = m_word.load(std::memory_order_acquire);
    if (current < kParameters || current > kSeeking) return std::nullopt;
    Request request{current, m_pending, m_seekPosition};
    if (!m_word.compare_exchange_strong(current, kPlaying, std::memory_order_acq_rel)) return std::nullopt;
    return request;
}

}  // namespace welvox
