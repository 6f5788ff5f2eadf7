#include "record_check.h"

#include <cmath>
#include <limits>

namespace {

constexpr int32_t NotSet = -1;
// One 16-bit stereo frame.
constexpr int32_t FrameBytes = 4;
// RIFF, WAVE, a 16-byte fmt chunk and the data chunk's own header.
constexpr int32_t SmallestHeader = 44;

bool within(qint64 value, qint64 low, qint64 high)
{
    return value >= low && value <= high;
}

// Every point the program sets (by analysis or in the fade editor) falls on
// a whole frame; an unset point (-1) excepted. The data's length need not
// (a data chunk may end in a partial frame), nor the points derived from it.
bool pointsOnFrames(const TrackRecord& r)
{
    for (const int32_t point : {r.preMutePoint, r.postMutePoint, r.origPreMutePoint, r.origPostMutePoint,
                                r.preDigitalMute, r.fadeInEnd, r.fadeOutStart}) {
        if (point != NotSet && point % FrameBytes != 0)
            return false;
    }
    return true;
}

// The mute appended or removed at the end never cuts into the sound, and
// the saved file's RIFF size still fits in 32 bits.
bool muteAdjustFits(const TrackRecord& r)
{
    return r.muteAdjustBytes >= -r.postMuteBytes &&
           qint64(r.dataBytes) + r.dataOffset - 8 + r.muteAdjustBytes <= std::numeric_limits<int32_t>::max();
}

// An offset that is unset or lies between 0 and end.
bool pointOrUnset(int32_t point, qint64 end)
{
    return point == NotSet || within(point, 0, end);
}

// A curve exponent is unset (-1) or a positive finite number.
bool curveOrUnset(float curve)
{
    return curve == -1.0f || (std::isfinite(curve) && curve > 0.0f);
}

bool lengthsAgree(const TrackRecord& r)
{
    return r.dataBytes > 0 && within(r.preMutePoint, 0, r.postMutePoint) && r.postMutePoint <= r.dataBytes &&
           r.preMuteBytes == r.preMutePoint && r.soundBytes == r.postMutePoint - r.preMutePoint &&
           r.postMuteBytes == r.dataBytes - r.postMutePoint && within(r.origPreMutePoint, 0, r.dataBytes) &&
           within(r.origPostMutePoint, 0, r.dataBytes) && within(r.peakOffset, 0, r.dataBytes);
}

bool levelFits(const TrackRecord& r)
{
    return within(r.peakValue, 0, 32767) && r.levelPercent >= 0 &&
           qint64(r.levelPercent) * r.peakValue / 100 <= 32767;
}

bool fadesComplete(const TrackRecord& r, qint64 audibleEnd)
{
    if (!pointOrUnset(r.preDigitalMute, audibleEnd) || !pointOrUnset(r.postDigitalMute, audibleEnd) ||
        !pointOrUnset(r.fadeInEnd, audibleEnd) || !pointOrUnset(r.fadeOutStart, audibleEnd) ||
        !curveOrUnset(r.fadeInCurve) || !curveOrUnset(r.fadeOutCurve))
        return false;
    if (r.fadeInEnd != NotSet &&
        (r.preDigitalMute == NotSet || r.fadeInBytes != r.fadeInEnd - r.preDigitalMute || r.fadeInBytes <= 0 ||
         r.fadeInCurve == -1.0f))
        return false;
    if (r.fadeOutStart != NotSet &&
        (r.postDigitalMute == NotSet || r.fadeOutBytes != r.postDigitalMute - r.fadeOutStart ||
         r.fadeOutBytes <= 0 || r.fadeOutCurve == -1.0f))
        return false;
    return true;
}

}  // namespace

bool RecordIsConsistent(const TrackRecord& r, qint64 fileBytes)
{
    if (r.dataOffset < SmallestHeader || qint64(r.dataOffset) + r.dataBytes > fileBytes || r.riffBytes <= 0)
        return false;
    if (!pointsOnFrames(r) || !lengthsAgree(r) || !levelFits(r) || !muteAdjustFits(r))
        return false;
    return fadesComplete(r, qint64(r.dataBytes) + r.muteAdjustBytes);
}
