// Where one track lies on the concatenated timeline of the disc.
#pragma once

#include <QtGlobal>

// Byte positions on the disc (176,400 bytes per second). They are 64-bit so
// that a full list of long tracks with long mutes cannot wrap around; every
// position of a single track still fits 32 bits.
struct TimelineEntry {
    qint64 start = 0;       // previous dataEnd + previous track's muteAdjustBytes
    qint64 soundStart = 0;  // start + preMutePoint
    qint64 soundEnd = 0;    // start + postMutePoint
    qint64 dataEnd = 0;     // start + dataBytes
    qint64 peak = 0;        // start + peakOffset
};
