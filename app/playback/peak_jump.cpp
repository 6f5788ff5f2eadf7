#include "peak_jump.h"

#include "play_list.h"
#include "player_rules.h"

#include <algorithm>

std::optional<PeakTarget> PeakJumpTarget(const PlayList& list, PeakJumpMode mode, int foundTrack, qint64 foundOffset)
{
    int t = foundTrack;
    if (t == -1) {
        if (mode != PeakJumpMode::PreviousPeak || list.TrackCount() == 0)
            return std::nullopt;
        t = list.TrackCount();
        foundOffset = qint64(list.TrackAt(t).record.peakOffset) + playerrules::PeakLeadBytes;
    }
    const qint64 peak = list.TrackAt(t).record.peakOffset;
    const qint64 lo = std::max<qint64>(peak - playerrules::PeakLeadBytes, 0);
    const qint64 hi = std::max<qint64>(peak + playerrules::PeakLeadBytes, 0);
    if (mode == PeakJumpMode::NextPeak && foundOffset >= lo)
        ++t;
    else if (mode == PeakJumpMode::PreviousPeak && foundOffset < hi)
        --t;
    if (t < 1 || t > list.TrackCount())
        return std::nullopt;
    return PeakTarget{t, playerrules::PeakExcerptStart(list.TrackAt(t).record, true)};
}
