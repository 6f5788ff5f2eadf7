#include "ddp_records.h"

#include <algorithm>

namespace ddp {

namespace {

// A record being filled: all spaces, fields put at their offsets.
class Record {
public:
    explicit Record(qsizetype length)
        : m_bytes(length, ' ')
    {
    }

    // text, left-aligned, cut to width.
    void text(qsizetype at, qsizetype width, QByteArrayView text)
    {
        std::copy_n(text.begin(), std::min(width, text.size()), m_bytes.begin() + at);
    }
    // value as width decimal digits, zero-padded.
    void number(qsizetype at, qsizetype width, qint64 value)
    {
        text(at, width, QByteArray::number(value).rightJustified(width, '0', true));
    }

    QByteArray bytes() const { return m_bytes; }

private:
    QByteArray m_bytes;
};

// The fields every map packet shares: its marker, type and file name.
Record mapPacket(QByteArrayView type, QByteArrayView fileName)
{
    Record packet(MapPacketBytes);
    packet.text(0, 4, "VVVM");
    packet.text(4, 2, type);
    packet.text(71, 3, "017");
    packet.text(74, 17, fileName);
    return packet;
}

QByteArray trackField(int track)
{
    return track == pq::LeadOut ? QByteArray("AA") : QByteArray::number(track).rightJustified(2, '0');
}

}  // namespace

QStringList FileNames()
{
    QStringList names;
    for (const char* name : {ImageFile, PqFile, CdTextFile, IdFile, MapFile, ChecksumFile})
        names.append(QLatin1String(name));
    return names;
}

QByteArray IdRecord(const QString& catalog, const QString& masterId)
{
    Record id(IdBytes);
    id.text(0, 8, "DDP 2.00");
    id.text(8, 13, catalog.toLatin1());
    id.text(38, MasterIdBytes, masterId.toLatin1());
    id.text(87, 2, "CD");
    return id.bytes();
}

QString MasterIdOf(const QString& folderName)
{
    QString id;
    for (const QChar c : folderName) {
        if (c.unicode() >= 0x20 && c.unicode() < 0x7F && id.size() < MasterIdBytes)
            id += c;
    }
    id = id.trimmed();
    return id.isEmpty() ? QStringLiteral("DDP") : id;
}

QByteArray AudioMapPacket(qint64 imageFrames)
{
    Record packet = mapPacket("D0", ImageFile);
    packet.number(14, 8, imageFrames);
    packet.number(22, 8, 0);
    packet.text(38, 2, "DA");
    packet.text(40, 1, "7");
    packet.text(41, 1, "0");
    packet.number(42, 4, 0);
    packet.number(46, 4, DiscLayout::PreGapFrames);
    return packet.bytes();
}

QByteArray SubcodeMapPacket(Subcode subcode, qint64 fileBytes)
{
    const bool isPq = subcode == Subcode::Pq;
    Record packet = mapPacket("S0", isPq ? PqFile : CdTextFile);
    packet.number(14, 8, fileBytes);
    packet.number(22, 8, 0);
    packet.text(30, 8, isPq ? "PQ DESCR" : "CDTEXT  ");
    return packet.bytes();
}

QByteArray PqDescriptor(const QList<pq::Entry>& entries)
{
    QByteArray descriptor;
    for (const pq::Entry& entry : entries) {
        Record packet(PqPacketBytes);
        packet.text(0, 4, "VVVS");
        packet.text(4, 2, trackField(entry.track));
        packet.number(6, 2, entry.index);
        packet.text(10, 6, pq::Msf(entry.frame).toLatin1());
        packet.text(16, 2, "01");
        packet.text(20, 12, entry.isrc.toLatin1());
        descriptor += packet.bytes();
    }
    return descriptor;
}

}  // namespace ddp
