#include "player_rules.h"

#include <cmath>

namespace playerrules {

int32_t PeakExcerptStart(const TrackRecord& r, bool wholeFrames)
{
    int32_t start = r.peakOffset - PeakLeadBytes;
    if (wholeFrames)
        start = start / 4 * 4;
    if (r.peakOffset > r.postMutePoint)
        start = r.postMutePoint - PeakLeadBytes;
    return start < 0 ? 0 : start;
}

PlayBarEventCode AdvanceEvent(const TrackRecord& r, int32_t position, bool peakRun, bool lastTrack)
{
    const int32_t end = TrackEnd(r);
    if (peakRun) {
        if (position < end && int64_t(position) < int64_t(r.peakOffset) + PeakLeadBytes)
            return NoEvent;
        return lastTrack ? NoEvent : NextExcerpt;
    }
    return position >= end && !lastTrack ? NextTrack : NoEvent;
}

bool EditorShowsPosition(int32_t position, int32_t viewStart, int32_t viewBytes)
{
    return viewStart <= position && int64_t(position) <= int64_t(viewStart) + viewBytes + 65536;
}

int EditorMarkerXFor(int32_t position, int32_t viewStart, double bytesPerUnit)
{
    // nearbyint rounds in the default mode: to nearest, halves to even.
    return int(std::nearbyint((double(position) - viewStart - 32768) / bytesPerUnit));
}

}  // namespace playerrules
