// The player's arithmetic, apart from any window: where a track's playable
// data ends, where a peak excerpt starts, what a position report asks the
// play bar's timer to do, and where the fade editor's play line goes.
#pragma once

#include "welvox.h"

#include <cstdint>

namespace playerrules {

// An excerpt of the peak-point play starts this far before the track's peak
// and ends this far after it: exactly 3 seconds.
inline constexpr int32_t PeakLeadBytes = 529200;

// The codes that Timer1 of the play bar acts on (PlayBarEvent).
enum PlayBarEventCode : int {
    NoEvent = 0,
    PlaybackEnded = 1,  // the engine reported the end (or the stop)
    NextExcerpt = 2,    // peak-point play: on to the next track's excerpt
    NextTrack = 3,      // continuous play: on to the next track
    FileMissing = 4,    // the engine could not open the track's file
    StopTimeout = 5,    // a stop was asked and no end report came
};

// The track's length as heard: its data with the silence added or removed
// at its end.
inline int32_t TrackEnd(const TrackRecord& r)
{
    return r.dataBytes + r.muteAdjustBytes;
}

// Where the excerpt around the peak starts: PeakLeadBytes before the peak,
// or before the end of sound when the peak lies after it, never before 0.
// wholeFrames truncates the peak's start to a multiple of 4 (the peak of a
// file read without the peak scan sits at offset 1).
int32_t PeakExcerptStart(const TrackRecord& r, bool wholeFrames);

// What a report of the queued position within the playing track asks for:
// NoEvent, NextExcerpt or NextTrack. On the last track playback always runs
// on to the engine's end report.
PlayBarEventCode AdvanceEvent(const TrackRecord& r, int32_t position, bool peakRun, bool lastTrack);

// The fade editor shows the play line while the queued position lies within
// its view and up to 65,536 bytes beyond it.
bool EditorShowsPosition(int32_t position, int32_t viewStart, int32_t viewBytes);
// The play line's x: two engine blocks (32,768 bytes) behind the queued
// position, nearer to what is heard; rounded half to even.
int EditorMarkerXFor(int32_t position, int32_t viewStart, double bytesPerUnit);

}  // namespace playerrules
