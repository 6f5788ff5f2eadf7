#include "ddp_image.h"

#include "cd_frame.h"
#include "disc_layout.h"
#include "ddp_records.h"
#include "pq_entries.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>

namespace {

// No record file of a real image comes near these; a larger one is read no
// further. The map holds a packet per stream, the PQ descriptor at most 99
// tracks of 100 index points, the CD-TEXT eight blocks of 256 packs.
constexpr qint64 MaxMapBytes = 64 * 1024;
constexpr qint64 MaxPqBytes = 1024 * 1024;
constexpr qint64 MaxCdTextBytes = 64 * 1024;

struct SmallFile {
    QByteArray bytes;
    SubcodeProblem problem = SubcodeProblem::None;
    int error = 0;
};

// Reads at most maxBytes of a file; one byte more tells that it is larger.
SmallFile readSmall(const QString& path, qint64 maxBytes)
{
    QFile file(path);
    SmallFile read;
    if (!file.open(QIODevice::ReadOnly)) {
        read.problem = SubcodeProblem::Unreadable;
        read.error = errno != 0 ? errno : EIO;
        return read;
    }
    read.bytes = file.read(maxBytes + 1);
    if (file.error() != QFileDevice::NoError) {
        read.problem = SubcodeProblem::Unreadable;
        read.error = EIO;
    } else if (read.bytes.size() > maxBytes) {
        read.problem = SubcodeProblem::TooLarge;
    }
    return read;
}

StreamFile::Kind kindOf(const ddp::MapPacket& packet)
{
    if (packet.type == "D0")
        return StreamFile::Kind::MainData;
    if (packet.type == "S0" && packet.subcode == "PQ DESCR")
        return StreamFile::Kind::Pq;
    if (packet.type == "S0" && packet.subcode == "CDTEXT")
        return StreamFile::Kind::CdText;
    return StreamFile::Kind::Other;
}

StreamFile lookUp(const QString& folder, const ddp::MapPacket& packet)
{
    StreamFile stream;
    stream.packet = packet;
    stream.kind = kindOf(packet);
    const FolderFile file = FileInFolder(folder, packet.name);
    stream.state = file.state;
    stream.path = file.path;
    if (stream.state != StreamFile::State::Present)
        return stream;
    const QFileInfo info(file.path);
    if (!info.isFile() || !info.isReadable()) {
        stream.state = StreamFile::State::Unreadable;
        stream.error = info.isDir() ? EISDIR : EACCES;
        return stream;
    }
    stream.size = info.size();
    return stream;
}

// Reads the first stream of a kind into read, noting what kept it from
// being read.
template <typename Reader>
SubcodeProblem readSubcode(const DdpImage& image, StreamFile::Kind kind, qint64 maxBytes, Reader reader)
{
    for (const StreamFile& stream : image.streams) {
        if (stream.kind != kind)
            continue;
        if (stream.state != StreamFile::State::Present)
            return SubcodeProblem::Unreadable;
        const SmallFile file = readSmall(stream.path, maxBytes);
        if (file.problem == SubcodeProblem::None)
            reader(file.bytes);
        return file.problem;
    }
    return SubcodeProblem::Absent;
}

std::optional<ImageRefusal> refusal(ImageRefusal::Kind kind, std::optional<ddp::RecordFault> fault = {}, int error = 0)
{
    return ImageRefusal{kind, fault, error};
}

// Reads DDPID and DDPMS into image; the refusal when the folder is no image.
std::optional<ImageRefusal> readRecords(DdpImage& image)
{
    const FolderFile idFile = FileInFolder(image.folder, ddp::IdFile);
    if (idFile.state != StreamFile::State::Present)
        return refusal(ImageRefusal::Kind::NoIdentity);
    const SmallFile id = readSmall(idFile.path, ddp::IdBytes);
    if (id.problem == SubcodeProblem::Unreadable)
        return refusal(ImageRefusal::Kind::Unreadable, {}, id.error);
    const ddp::IdentityRead identity = ddp::ReadIdentity(id.bytes);
    if (identity.fault)
        return refusal(ImageRefusal::Kind::BadIdentity, identity.fault);
    image.id = identity.id;

    const FolderFile mapFile = FileInFolder(image.folder, ddp::MapFile);
    if (mapFile.state != StreamFile::State::Present)
        return refusal(ImageRefusal::Kind::NoMap);
    const SmallFile map = readSmall(mapFile.path, MaxMapBytes);
    if (map.problem == SubcodeProblem::Unreadable)
        return refusal(ImageRefusal::Kind::Unreadable, {}, map.error);
    if (map.problem == SubcodeProblem::TooLarge)
        return refusal(ImageRefusal::Kind::BadMap, ddp::RecordFault{});
    const ddp::MapRead packets = ddp::ReadMap(map.bytes);
    if (packets.fault)
        return refusal(ImageRefusal::Kind::BadMap, packets.fault);
    for (const ddp::MapPacket& packet : packets.packets) {
        image.streams.append(lookUp(image.folder, packet));
        if (image.mainData < 0 && image.streams.last().kind == StreamFile::Kind::MainData)
            image.mainData = int(image.streams.size()) - 1;
    }
    if (image.mainData < 0)
        return refusal(ImageRefusal::Kind::NoMainData);
    return std::nullopt;
}

}  // namespace

qint64 StreamFile::mappedBytes() const
{
    return packet.byteOffset + (kind == Kind::MainData ? packet.length * cdframe::Bytes : packet.length);
}

FolderFile FileInFolder(const QString& folder, const QByteArray& name)
{
    if (name.isEmpty() || name.contains('/') || name.contains('\0') || name == "." || name == "..")
        return {StreamFile::State::OutsideFolder, {}};
    const QFileInfo info(folder + u'/' + QFile::decodeName(name));
    if (!info.exists())
        return {info.isSymLink() ? StreamFile::State::OutsideFolder : StreamFile::State::Missing, {}};
    const QString canonical = info.canonicalFilePath();
    if (!canonical.startsWith(folder + u'/'))
        return {StreamFile::State::OutsideFolder, {}};
    return {StreamFile::State::Present, canonical};
}

OpenedImage OpenDdpImage(const QString& folder)
{
    DdpImage image;
    image.folder = QFileInfo(folder).canonicalFilePath();
    if (image.folder.isEmpty())
        return {std::nullopt, refusal(ImageRefusal::Kind::NoIdentity)};
    if (const auto refused = readRecords(image))
        return {std::nullopt, refused};
    image.fileNames = QDir(image.folder).entryList(QDir::Files | QDir::Hidden, QDir::Name);
    image.pqProblem = readSubcode(image, StreamFile::Kind::Pq, MaxPqBytes,
                                  [&image](const QByteArray& bytes) { image.pq = ddp::ReadPqDescriptor(bytes); });
    image.cdTextProblem = readSubcode(image, StreamFile::Kind::CdText, MaxCdTextBytes,
                                      [&image](const QByteArray& bytes) { image.cdText = ReadCdTextPacks(bytes); });
    return {image, std::nullopt};
}
