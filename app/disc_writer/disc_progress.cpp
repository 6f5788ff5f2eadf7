#include "disc_progress.h"

#include "cd_frame.h"

#include <algorithm>

namespace {

constexpr qint64 MbBytes = 1 << 20;

}  // namespace

DiscProgress::DiscProgress(qint64 discFrames)
    : m_totalMb(int(std::max<qint64>(1, (discFrames * cdframe::Bytes + MbBytes - 1) / MbBytes)))
{
}

int DiscProgress::writtenAfter(const BurnProgress& line)
{
    if (line.totalMb >= m_totalMb - 1)
        return std::min(line.writtenMb, m_totalMb);
    if (line.track != m_track) {
        if (m_track != 0)
            m_before += m_trackMb;
        m_track = line.track;
    }
    m_trackMb = line.totalMb;
    return std::min(m_before + line.writtenMb, m_totalMb);
}
