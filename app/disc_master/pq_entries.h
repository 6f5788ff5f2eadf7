// The PQ entries of a disc: where every track and its index points start,
// in CD frames from the start of the program area, with the ISRCs. Track 1
// starts after the 150-frame (2-second) pre-gap; every later track starts
// where the previous one's data ends, padded to a whole frame, since the
// pauses are silence inside the saved files.
#pragma once

#include <QList>
#include <QString>

#include <cstdint>

namespace pq {

constexpr qint64 FrameBytes = 2352;     // one CD frame, 1/75 s
constexpr qint64 FramesPerSecond = 75;
constexpr qint64 PreGapFrames = 150;    // track 1's pre-gap
constexpr int LeadIn = 0;               // the track number of the lead-in
constexpr int LeadOut = 0xAA;           // the track number of the lead-out

struct Entry {
    int track = 0;   // LeadIn, 1..99, or LeadOut
    int index = 0;
    qint64 frame = 0;
    QString isrc;    // on a track's first entry only
    bool operator==(const Entry&) const = default;
};

struct TrackData {
    qint64 dataBytes = 0;
    QString isrc;
};

// A track's length in whole frames, its last one padded with silence.
qint64 FramesOf(qint64 dataBytes);

// The lead-in at 0; track 1's index 00 at 0 and index 01 after the
// pre-gap; every later track's index 01; the lead-out twice, at the frame
// after the last track's padded data.
QList<Entry> Entries(const QList<TrackData>& tracks);

// A frame as minutes, seconds and frames: "MMSSFF", or with separator
// "MM:SS:FF".
QString Msf(qint64 frame, const QString& separator = QString());

}  // namespace pq
