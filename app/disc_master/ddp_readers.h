// The fixed-width records of a DDP image read back: the identity (DDPID),
// the map packets (DDPMS) and the PQ descriptor's packets, as this program
// and other writers put them within the format. Each reader is a pure
// function over a file's bytes. A record of the wrong length, a packet
// without its marker or a number field that is not decimal digits stops the
// reading with a fault that names the packet and the field; everything else
// is handed on as read, for the checks to judge.
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QList>

#include <optional>

namespace ddp {

struct RecordFault {
    enum class Kind {
        WrongLength,  // the file is not a whole number of records
        NoMarker,     // a packet without "VVVM"/"VVVS", an identity without "DDP"
        NotDigits,    // a number field holds something other than digits
        OutOfRange,   // seconds beyond 59, frames beyond 74, a name longer than its field
    };
    enum class Field { Record, Level, Length, Start, Offset, NameLength, Track, Index, Time };
    Kind kind = Kind::WrongLength;
    Field field = Field::Record;
    int packet = 0;  // 1-based; 0 for the file as a whole
    bool operator==(const RecordFault&) const = default;
};

struct Identity {
    QByteArray level;     // "DDP 2.00", "DDP 1.01", ...
    QByteArray catalog;   // the UPC/EAN field without its spaces
    QByteArray masterId;  // without the spaces around it
    QByteArray type;      // "CD", or blank in older images
};

struct IdentityRead {
    Identity id;
    std::optional<RecordFault> fault;
};

IdentityRead ReadIdentity(QByteArrayView record);

struct MapPacket {
    QByteArray type;        // "D0" the main data, "S0" a subcode stream, others not read
    qint64 length = 0;      // in frames for D0, in bytes for S0
    qint64 start = 0;       // the frame address the stream's first byte holds
    QByteArray subcode;     // "PQ DESCR", "CDTEXT", ... without trailing spaces
    QByteArray name;        // the stream file's name without trailing spaces
    qint64 byteOffset = 0;  // where the stream starts in its file
};

struct MapRead {
    QList<MapPacket> packets;
    std::optional<RecordFault> fault;  // set: packets is empty
};

MapRead ReadMap(QByteArrayView file);

struct PqPoint {
    int track = 0;       // 0 the lead-in, 1..99, 0xAA the lead-out
    int index = 0;
    qint64 frame = 0;    // the absolute time in frames
    QByteArray isrc;     // without spaces; on a track's first entry
    QByteArray control;  // "01" in real masters
    bool operator==(const PqPoint&) const = default;
};

struct PqRead {
    QList<PqPoint> points;
    std::optional<RecordFault> fault;  // set: points is empty
};

PqRead ReadPqDescriptor(QByteArrayView file);

}  // namespace ddp
