#include "image_builder.h"

#include "cd_text_packs.h"
#include "wav_builder.h"

#include <QCryptographicHash>
#include <QFile>

namespace ddpbuild {

namespace {

constexpr qint64 Frame = 2352;

QByteArray digits(qint64 value, int width)
{
    return QByteArray::number(value).rightJustified(width, '0');
}

QByteArray field(const QByteArray& text, int width)
{
    return text.leftJustified(width, ' ', true);
}

QByteArray msf(qint64 frame)
{
    return digits(frame / 75 / 60, 2) + digits(frame / 75 % 60, 2) + digits(frame % 75, 2);
}

// DDPID: level, UPC/EAN, map start, reserved, media, master ID, book, type,
// sides, user-text length, user text.
QByteArray identity(const Disc& disc)
{
    return field(disc.level, 8) + field(disc.catalog, 13) + field("", 8) + field("", 8) + " " +
           field("MASTER 1", 48) + " " + "CD" + field("", 4) + field("", 2) + field("", 33);
}

QByteArray mapPacket(const QByteArray& type, qint64 length, qint64 start, const QByteArray& subcode,
                     bool audio, const QByteArray& name)
{
    return "VVVM" + type + field("", 8) + digits(length, 8) + digits(start, 8) + field(subcode, 8) +
           (audio ? QByteArray("DA70") : field("", 4)) + (audio ? QByteArray("0000") : field("", 4)) +
           (audio ? digits(start == 0 ? 150 : 0, 4) : field("", 4)) + field("", 4) + " " + field("", 2) +
           field("", 2) + field("", 12) + "017" + field(name, 17) + " " + field("", 4) + field("", 8) +
           field("", 9) + field("", 15);
}

QByteArray pqPacket(const QByteArray& track, int index, qint64 frame, const QByteArray& isrc)
{
    return "VVVS" + track + digits(index, 2) + "  " + msf(frame) + "01" + "  " + field(isrc, 12) +
           field("", 13) + field("", 19);
}

QByteArray noise(qint64 frames, uint32_t seed)
{
    const auto samples = testsupport::noise(size_t(frames * 588 * 2), 20000, seed);
    return QByteArray(reinterpret_cast<const char*>(samples.data()), qsizetype(samples.size() * 2));
}

}  // namespace

QByteArray readAll(const std::filesystem::path& path)
{
    QFile file(QString::fromStdString(path.string()));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeAll(const std::filesystem::path& path, const QByteArray& bytes)
{
    QFile file(QString::fromStdString(path.string()));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", path.c_str());
}

QByteArray build(const Disc& disc, const std::filesystem::path& folder)
{
    std::filesystem::create_directories(folder);
    QByteArray stream = disc.streamStart == 0 ? QByteArray(150 * Frame, '\0') : QByteArray();
    QByteArray pq = pqPacket("00", 0, 0, "");
    qint64 frame = 150;
    for (int i = 0; i < disc.tracks.size(); ++i) {
        const Track& track = disc.tracks[i];
        const QByteArray number = digits(i + 1, 2);
        if (i == 0) {
            pq += pqPacket(number, 0, 0, track.isrc) + pqPacket(number, 1, frame, "");
        } else {
            if (track.pauseFrames > 0)
                pq += pqPacket(number, 0, frame, track.isrc);
            stream += track.pauseAudio ? noise(track.pauseFrames, 99 + i) : QByteArray(track.pauseFrames * Frame, '\0');
            frame += track.pauseFrames;
            pq += pqPacket(number, 1, frame, track.pauseFrames > 0 ? QByteArray() : track.isrc);
        }
        if (track.index02)
            pq += pqPacket(number, 2, frame + *track.index02, "");
        stream += noise(track.frames, i + 1);
        frame += track.frames;
    }
    pq += pqPacket("AA", 1, frame, "") + pqPacket("AA", 1, frame, "");
    QByteArray map = mapPacket("D0", stream.size() / Frame, disc.streamStart, "", true, "IMAGE.DAT") +
                     mapPacket("S0", pq.size(), 0, "PQ DESCR", false, "PQDESCR");
    QList<std::pair<QByteArray, QByteArray>> files{{"IMAGE.DAT", stream}, {"PQDESCR", pq}};
    if (!disc.cdText.isEmpty()) {
        map += mapPacket("S0", disc.cdText.size(), 0, "CDTEXT", false, "CDTEXT.BIN");
        files.append({"CDTEXT.BIN", disc.cdText});
    }
    files.append({"DDPMS", map});
    files.append({"DDPID", identity(disc)});
    QByteArray sums;
    for (const auto& [name, bytes] : files) {
        writeAll(folder / name.toStdString(), bytes);
        const QByteArray line = QCryptographicHash::hash(bytes, QCryptographicHash::Md5).toHex() + "  " + name + '\n';
        if (disc.sums == Disc::Sums::PerFile)
            writeAll(folder / (name + ".md5").toStdString(), line);
        sums += line;
    }
    if (disc.sums == Disc::Sums::OneList)
        writeAll(folder / "CHECKSUM.MD5", sums);
    return stream.mid(disc.streamStart == 0 ? 150 * Frame : 0);
}

QByteArray twoBlocks(const QByteArray& first, quint8 firstLanguage, const QByteArray& second,
                     quint8 secondLanguage)
{
    QByteArray packs = first + second;
    for (qsizetype at = 0; at < packs.size(); at += 18) {
        char* pack = packs.data() + at;
        if (at >= first.size())
            pack[3] = char(pack[3] | 0x10);
        // The languages sit in the third size-information pack, from its
        // fifth text byte.
        if (quint8(pack[0]) == 0x8F && pack[1] == 2) {
            pack[4 + 4] = char(firstLanguage);
            pack[4 + 5] = char(secondLanguage);
        }
        const quint16 crc = CdTextCrc(QByteArrayView(pack, 16));
        pack[16] = char(crc >> 8);
        pack[17] = char(crc & 0xFF);
    }
    return packs;
}

}  // namespace ddpbuild
