// Where each track lies on the disc, computed once for everything that
// places tracks on it: the PQ entries, the PQ sheet, the DDP image and the
// burner's notes. The tracks follow each other without gaps (their pauses are
// silence inside the saved files), each padded with silence to a whole
// frame as burners pad a CUE sheet's files; track 1 starts after the
// 2-second pre-gap at the start of the program area.
#pragma once

#include <QList>
#include <QtGlobal>

struct TrackPlace {
    qint64 startFrame = 0;    // its index 01, in frames from the start of the program area
    qint64 frames = 0;        // its length in whole frames, padding included
    qint64 paddingBytes = 0;  // the silence added to fill its last frame
    qint64 preGapFrames = 0;  // the pause before it on the disc: track 1's pre-gap, else 0
    bool operator==(const TrackPlace&) const = default;
};

struct DiscLayout {
    static constexpr qint64 PreGapFrames = 150;  // track 1's pre-gap

    QList<TrackPlace> tracks;
    qint64 leadOutFrame = PreGapFrames;  // the frame after the last track

    // The frames of the tracks, the pre-gap not counted.
    qint64 trackFrames() const { return leadOutFrame - PreGapFrames; }
};

// The layout of tracks holding these numbers of bytes of audio, in order.
DiscLayout LayOutDisc(const QList<qint64>& dataBytes);
