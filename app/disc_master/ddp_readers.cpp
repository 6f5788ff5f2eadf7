#include "ddp_readers.h"

#include "cd_frame.h"
#include "disc_layout.h"
#include "ddp_records.h"
#include "pq_entries.h"

#include <algorithm>

namespace ddp {

namespace {

using Kind = RecordFault::Kind;
using Field = RecordFault::Field;

bool isBlank(QByteArrayView field)
{
    return std::all_of(field.begin(), field.end(), [](char c) { return c == ' '; });
}

bool allDigits(QByteArrayView field)
{
    return !field.isEmpty() && std::all_of(field.begin(), field.end(), [](char c) { return c >= '0' && c <= '9'; });
}

QByteArray trimmed(QByteArrayView field)
{
    return field.toByteArray().trimmed();
}

// A number field: decimal digits, right-aligned after spaces or
// zero-padded. A blank field is blankValue, or a fault when it has none.
std::optional<qint64> number(QByteArrayView field, std::optional<qint64> blankValue = std::nullopt)
{
    if (isBlank(field))
        return blankValue;
    qsizetype first = 0;
    while (field[first] == ' ')
        ++first;
    if (!allDigits(field.sliced(first)))
        return std::nullopt;
    return field.sliced(first).toLongLong();
}

// Reads a file of fixed-length packets, each by readPacket, which returns
// its fault or none.
template <typename Packet, typename ReadPacket>
std::optional<RecordFault> readPackets(QByteArrayView file, qsizetype packetBytes, QList<Packet>& packets,
                                       ReadPacket readPacket)
{
    if (file.size() % packetBytes != 0)
        return RecordFault{Kind::WrongLength, Field::Record, 0};
    for (qsizetype at = 0; at < file.size(); at += packetBytes) {
        Packet packet;
        if (auto fault = readPacket(file.sliced(at, packetBytes), packet)) {
            fault->packet = int(at / packetBytes) + 1;
            packets.clear();
            return fault;
        }
        packets.append(packet);
    }
    return std::nullopt;
}

std::optional<RecordFault> fault(Kind kind, Field field)
{
    return RecordFault{kind, field, 0};
}

std::optional<RecordFault> readMapPacket(QByteArrayView bytes, MapPacket& packet)
{
    if (bytes.first(4) != "VVVM")
        return fault(Kind::NoMarker, Field::Record);
    packet.type = bytes.sliced(4, 2).toByteArray();
    const auto length = number(bytes.sliced(14, 8));
    if (!length)
        return fault(Kind::NotDigits, Field::Length);
    const auto start = number(bytes.sliced(22, 8), 0);
    if (!start)
        return fault(Kind::NotDigits, Field::Start);
    const auto nameLength = number(bytes.sliced(71, 3), 17);
    if (!nameLength)
        return fault(Kind::NotDigits, Field::NameLength);
    if (*nameLength > 17)
        return fault(Kind::OutOfRange, Field::NameLength);
    const auto offset = number(bytes.sliced(104, 9), 0);
    if (!offset)
        return fault(Kind::NotDigits, Field::Offset);
    packet.length = *length;
    packet.start = *start;
    packet.subcode = trimmed(bytes.sliced(30, 8));
    packet.name = trimmed(bytes.sliced(74, *nameLength));
    packet.byteOffset = *offset;
    return std::nullopt;
}

// "MMSSFF" after two digits or spaces of hours, as a frame count.
std::optional<qint64> pointTime(QByteArrayView hoursAndMsf)
{
    const auto hours = number(hoursAndMsf.first(2), 0);
    const QByteArrayView msf = hoursAndMsf.sliced(2);
    if (!hours || !allDigits(msf))
        return std::nullopt;
    return ((*hours * 60 + msf.first(2).toInt()) * 60 + msf.sliced(2, 2).toInt()) * cdframe::PerSecond +
           msf.sliced(4, 2).toInt();
}

std::optional<RecordFault> readPqPacket(QByteArrayView bytes, PqPoint& point)
{
    if (bytes.first(4) != "VVVS")
        return fault(Kind::NoMarker, Field::Record);
    const QByteArrayView track = bytes.sliced(4, 2);
    if (track != "AA" && !allDigits(track))
        return fault(Kind::NotDigits, Field::Track);
    if (!allDigits(bytes.sliced(6, 2)))
        return fault(Kind::NotDigits, Field::Index);
    const auto frame = pointTime(bytes.sliced(8, 8));
    if (!frame)
        return fault(Kind::NotDigits, Field::Time);
    if (bytes.sliced(12, 2).toInt() > 59 || bytes.sliced(14, 2).toInt() >= cdframe::PerSecond)
        return fault(Kind::OutOfRange, Field::Time);
    point.track = track == "AA" ? pq::LeadOut : track.toInt();
    point.index = bytes.sliced(6, 2).toInt();
    point.frame = *frame;
    point.control = bytes.sliced(16, 2).toByteArray();
    point.isrc = trimmed(bytes.sliced(20, 12));
    return std::nullopt;
}

}  // namespace

IdentityRead ReadIdentity(QByteArrayView record)
{
    IdentityRead read;
    if (record.size() != IdBytes)
        read.fault = fault(Kind::WrongLength, Field::Record);
    else if (!record.startsWith("DDP"))
        read.fault = fault(Kind::NoMarker, Field::Level);
    if (read.fault)
        return read;
    read.id.level = trimmed(record.first(8));
    read.id.catalog = trimmed(record.sliced(8, 13));
    read.id.masterId = trimmed(record.sliced(38, MasterIdBytes));
    read.id.type = trimmed(record.sliced(87, 2));
    return read;
}

MapRead ReadMap(QByteArrayView file)
{
    MapRead read;
    read.fault = readPackets(file, MapPacketBytes, read.packets, readMapPacket);
    return read;
}

PqRead ReadPqDescriptor(QByteArrayView file)
{
    PqRead read;
    read.fault = readPackets(file, PqPacketBytes, read.points, readPqPacket);
    return read;
}

}  // namespace ddp
