// The PQ entries of a disc: where every track and its index points start,
// in CD frames from the start of the program area, with the ISRCs, as the
// disc's layout places the tracks.
#pragma once

#include "disc_layout.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace pq {

constexpr int LeadIn = 0;               // the track number of the lead-in
constexpr int LeadOut = 0xAA;           // the track number of the lead-out

struct Entry {
    int track = 0;   // LeadIn, 1..99, or LeadOut
    int index = 0;
    qint64 frame = 0;
    QString isrc;    // on a track's first entry only
    bool operator==(const Entry&) const = default;
};

// The lead-in at 0; track 1's index 00 at 0 and index 01 after the
// pre-gap; every later track's index 01; the lead-out twice. isrcs: one per
// track, empty for none.
QList<Entry> Entries(const DiscLayout& layout, const QStringList& isrcs);

// A frame as minutes, seconds and frames: "MMSSFF", or with separator
// "MM:SS:FF".
QString Msf(qint64 frame, const QString& separator = QString());

}  // namespace pq
