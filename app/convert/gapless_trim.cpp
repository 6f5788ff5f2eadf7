#include "gapless_trim.h"

#include <algorithm>

GaplessTrim::GaplessTrim(const Declared& declared)
    : m_declared(declared)
{
}

GaplessTrim::Kept GaplessTrim::keep(const Block& block)
{
    const int64_t samples = std::max<int64_t>(0, block.samples);
    if (!m_started) {
        // The container's skip and the tag's delay describe the same
        // priming: whichever is longer has been declared.
        m_headDue = std::max(std::max<int64_t>(0, block.skipStart), m_declared.tagDelay);
        m_position = block.position.value_or(0);
        m_started = true;
    } else {
        m_headDue += std::max<int64_t>(0, block.skipStart);
        if (block.position)
            m_position = *block.position;
    }
    const int64_t first = std::min(m_headDue, samples);
    m_headDue -= first;
    const int64_t tail = m_declared.tailSkips ? std::clamp<int64_t>(block.skipEnd, 0, samples - first) : 0;
    int64_t count = samples - first - tail;
    if (m_declared.timelineEnd)
        count = std::min(count, std::max<int64_t>(0, *m_declared.timelineEnd - (m_position + first)));
    if (m_declared.length)
        count = std::min(count, std::max<int64_t>(0, *m_declared.length - m_kept));
    m_position += samples;
    m_kept += count;
    return {first, count};
}
