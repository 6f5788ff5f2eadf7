#include "callback_log.h"

namespace playbacktest {

// Never destroyed: the worker may still be leaving the callback when the
// test process exits.
CallbackLog& CallbackLog::instance() {
    static CallbackLog* log = new CallbackLog;
    return *log;
}

int32_t CallbackLog::callback(int32_t position) {
    instance().add(position);
    return 0;
}

void CallbackLog::clear() {
    std::lock_guard guard(m_lock);
    m_reports.clear();
    m_reaction = nullptr;
}

void CallbackLog::onReport(std::function<void(int32_t)> reaction) {
    std::lock_guard guard(m_lock);
    m_reaction = std::move(reaction);
}

void CallbackLog::add(int32_t position) {
    std::function<void(int32_t)> reaction;
    {
        std::lock_guard guard(m_lock);
        m_reports.push_back(position);
        reaction = m_reaction;
    }
    if (reaction) reaction(position);
    std::lock_guard guard(m_lock);
    m_changed.notify_all();
}

bool CallbackLog::waitForEnd(std::chrono::milliseconds timeout) {
    std::unique_lock guard(m_lock);
    return m_changed.wait_for(guard, timeout, [this] { return !m_reports.empty() && m_reports.back() < 0; });
}

bool CallbackLog::waitForCount(size_t count, std::chrono::milliseconds timeout) {
    std::unique_lock guard(m_lock);
    return m_changed.wait_for(guard, timeout, [&] { return m_reports.size() >= count; });
}

std::vector<int32_t> CallbackLog::reports() const {
    std::lock_guard guard(m_lock);
    return m_reports;
}

}  // namespace playbacktest
