#include "gapless_trim.h"

#include <algorithm>

GaplessTrim::GaplessTrim(const Declared& declared)
    : m_declared(declared)
{
}

GaplessTrim::Kept GaplessTrim::keep(const Block& block)
{
    const int64_t samples = std::max<int64_t>(0, block.samples);
    const int64_t skipStart = std::max<int64_t>(0, block.skipStart);
    // The container's skip and the declared delay describe the same
    // priming: whichever is longer has been declared.
    m_headDue = m_started ? m_headDue + skipStart : std::max(skipStart, m_declared.delay);
    m_started = true;
    const int64_t first = std::min(m_headDue, samples);
    m_headDue -= first;
    const int64_t tail = m_declared.tailSkips ? std::clamp<int64_t>(block.skipEnd, 0, samples - first) : 0;
    int64_t count = samples - first - tail;
    if (m_declared.length)
        count = std::min(count, std::max<int64_t>(0, *m_declared.length - m_kept));
    m_kept += count;
    return {first, count};
}
