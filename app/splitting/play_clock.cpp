#include "play_clock.h"

#include <algorithm>

namespace {

constexpr int64_t SamplesPerSecond = 44100;

}  // namespace

void PlayClock::start(int64_t from, int64_t nowMs)
{
    m_from = m_queuedEnd = m_heardAtReport = from;
    m_reportMs = nowMs;
}

void PlayClock::report(int64_t queuedEnd, int64_t nowMs)
{
    m_queuedEnd = queuedEnd;
    m_heardAtReport = std::max(m_from, queuedEnd - Ahead);
    m_reportMs = nowMs;
}

int64_t PlayClock::heardAt(int64_t nowMs) const
{
    const int64_t moved = std::max<int64_t>(0, nowMs - m_reportMs) * SamplesPerSecond / 1000;
    return std::clamp(m_heardAtReport + moved, m_from, std::max(m_from, m_queuedEnd));
}
