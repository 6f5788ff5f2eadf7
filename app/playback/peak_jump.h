// Which peak excerpt the play bar's peak buttons go to, from the track and
// offset found under the current position (SerchPlayMusicNo).
#pragma once

#include <QtGlobal>

#include <optional>

class PlayList;

enum class PeakJumpMode {
    PeakRun = 1,       // "playpeak": the continuous peak-point play from here
    PreviousPeak = 2,  // "beforepeak"
    NextPeak = 3,      // "afterpeak"
};

struct PeakTarget {
    int track = 0;
    int start = 0;  // byte offset of the excerpt within the track
};

// foundTrack -1 means the position lies after the list: the previous peak is
// then the last track's, and the other modes go nowhere. An excerpt that has
// begun counts as passed for "afterpeak"; "beforepeak" goes back a track
// unless the position is already past the current excerpt's end. Nothing
// when the step leaves the list.
std::optional<PeakTarget> PeakJumpTarget(const PlayList& list, PeakJumpMode mode, int foundTrack, qint64 foundOffset);
