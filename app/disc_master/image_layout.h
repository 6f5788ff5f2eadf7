// The disc a PQ descriptor describes: its tracks in order, each with its
// index points, where its pause (index 00) and its audio (index 01) start
// and where it ends (the next track's pause or start, or the lead-out), and
// what in the descriptor's order is wrong. The lead-in entries are passed
// over. A pure function of the descriptor's points.
#pragma once

#include "ddp_readers.h"

#include <QList>

#include <optional>

struct IndexPoint {
    int index = 0;
    qint64 frame = 0;
    bool operator==(const IndexPoint&) const = default;
};

struct LaidTrack {
    int number = 0;
    QList<IndexPoint> points;  // as the descriptor gives them
    qint64 pauseStart = 0;     // index 00, or start without one
    qint64 start = 0;          // index 01 (the first point without one)
    qint64 end = 0;            // where the next track's pause or start, or the lead-out, is
    QByteArray isrc;           // the first one its entries give
    QByteArray control;        // its first entry's control field

    qint64 pauseFrames() const { return start - pauseStart; }
    qint64 frames() const { return end - start; }
    // Its points after index 01.
    bool laterIndexes() const { return !points.isEmpty() && points.last().index > 1; }
};

struct LayoutFault {
    enum class Kind {
        Numbering,      // track follows a track other than track - 1 (previous)
        TimeBackwards,  // the point track/index does not come after the point before it
        IndexOrder,     // track's index points are not 00, 01, 02, ... in order
        NoIndex01,      // track has no index 01
        NoLeadOut,      // the descriptor has no lead-out entry
        NoTracks,
    };
    Kind kind = Kind::NoTracks;
    int track = 0;
    int index = 0;
    int previous = 0;
    bool operator==(const LayoutFault&) const = default;
};

struct ImageLayout {
    QList<LaidTrack> tracks;
    std::optional<qint64> leadOut;
    QList<LayoutFault> faults;

    qint64 programFrames() const { return leadOut.value_or(0); }
};

ImageLayout LayOut(const QList<ddp::PqPoint>& points);
