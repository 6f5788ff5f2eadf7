// What a burner changes when it writes the list's files as CD tracks.
#pragma once

#include <QList>
#include <QtGlobal>

class PlayList;

struct BurnerChanges {
    static constexpr qint64 FrameBytes = 2352;           // one CD frame, 1/75 s
    static constexpr qint64 MinimumTrackFrames = 4 * 75; // the shortest CD track, 4 s
    // An 80-minute disc holds 79 minutes 57 seconds 74 frames of audio.
    static constexpr qint64 CapacityFrames = (79 * 60 + 57) * 75 + 74;

    // Tracks whose data is not a whole number of CD frames: the burner pads
    // each with silence up to the next frame, less than 1/75 s.
    QList<int> paddedTracks;
    // Tracks shorter than 4 seconds even after that padding.
    QList<int> shortTracks;
    // The whole disc in CD frames, every track padded.
    qint64 discFrames = 0;

    bool overCapacity() const { return discFrames > CapacityFrames; }
    bool any() const { return !paddedTracks.isEmpty() || !shortTracks.isEmpty() || overCapacity(); }
};

// The changes for tracks 1..TrackCount of list, from each track's dataBytes
// (the length of the audio its file holds).
BurnerChanges FindBurnerChanges(const PlayList& list);
