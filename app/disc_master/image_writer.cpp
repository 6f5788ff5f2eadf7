#include "image_writer.h"

#include "cd_frame.h"
#include "ddp_records.h"
#include "disc_codes.h"
#include "hashed_file.h"
#include "pq_entries.h"
#include "read_only_file.h"
#include "staging_folder.h"

#include <QFile>
#include <QFileInfo>

#include <fcntl.h>
#include <sys/stat.h>

#include <algorithm>
#include <bit>

namespace {

// The saved files' data chunks are little-endian, as IMAGE.DAT is: the
// samples are copied as they are.
static_assert(std::endian::native == std::endian::little);

// The tracks' samples are copied inside the kernel where the file systems
// allow it (as `cat` copies), and hashed as read back from IMAGE.DAT;
// otherwise they pass through the buffer. The buffer is large enough that
// the system calls cost little beside the copying and the hashing, small
// enough to stay in the processor's cache.
constexpr qsizetype StreamBufferBytes = 1 << 17;
constexpr qsizetype RecordBufferBytes = 1 << 16;
// How much the kernel copies between two progress reports.
constexpr qint64 KernelCopyBytes = 1 << 22;

using Failure = std::optional<ImageFailure>;

Failure failure(ImageFailure::Kind kind, int track = 0, int error = 0)
{
    return ImageFailure{kind, track, error};
}

// A failed copy that the image's disk caused rather than the track's file.
bool isWriteError(int error)
{
    return error == ENOSPC || error == EFBIG || error == EDQUOT;
}

// Streams the tracks into IMAGE.DAT and tells the caller how far it got.
class ImageStream {
public:
    ImageStream(HashedFile& out, qint64 totalBytes, const ImageProgress& progress, const FileSystemCalls& calls)
        : m_out(out)
        , m_totalBytes(std::max<qint64>(totalBytes, 1))
        , m_progress(progress)
        , m_calls(calls)
    {
    }

    Failure preGap()
    {
        m_out.appendZeros(DiscLayout::PreGapFrames * cdframe::Bytes);
        return written();
    }

    Failure track(int number, const MasterTrack& track, const TrackPlace& place);

    const CopiedBytes& copied() const { return m_copied; }

private:
    Failure copyInKernel(int number, const ReadOnlyFile& file, const MasterTrack& track);
    Failure copyData(int number, const ReadOnlyFile& file, const MasterTrack& track, qint64 from);
    Failure written()
    {
        if (m_out.error() != 0)
            return failure(ImageFailure::Kind::WriteFailed, 0, m_out.error());
        const int percent = int(m_out.bytesWritten() * 100 / m_totalBytes);
        if (m_progress && !m_progress(std::min(percent, 100)))
            return failure(ImageFailure::Kind::Cancelled);
        return std::nullopt;
    }

    HashedFile& m_out;
    qint64 m_totalBytes;
    const ImageProgress& m_progress;
    const FileSystemCalls& m_calls;
    CopiedBytes m_copied;
    bool m_kernelCopy = true;  // until the file systems turn it down
};

Failure ImageStream::track(int number, const MasterTrack& track, const TrackPlace& place)
{
    const ReadOnlyFile file(QFile::encodeName(track.path).constData());
    if (file.openError() != 0)
        return failure(ImageFailure::Kind::ReadFailed, number, file.openError());
    const auto before = FileVersion::OfDescriptor(file.descriptor());
    if (!before)
        return failure(ImageFailure::Kind::ReadFailed, number, errno);
    if (!track.version || *before != *track.version)
        return failure(ImageFailure::Kind::TrackChanged, number);
    ::posix_fadvise(file.descriptor(), track.dataOffset, track.dataBytes, POSIX_FADV_SEQUENTIAL);
    if (Failure copied = m_kernelCopy ? copyInKernel(number, file, track) : copyData(number, file, track, 0))
        return copied;
    // A file rewritten while it was read gave samples of no one version.
    if (FileVersion::OfDescriptor(file.descriptor()) != before)
        return failure(ImageFailure::Kind::TrackChanged, number);
    m_out.appendZeros(place.paddingBytes);
    return written();
}

// Where the file systems turn the kernel's copy down, from the start or
// after part of a range, the buffered copy goes on from the first byte not
// yet copied: what the kernel appended stays, and nothing is appended twice.
Failure ImageStream::copyInKernel(int number, const ReadOnlyFile& file, const MasterTrack& track)
{
    for (qint64 done = 0; done < track.dataBytes;) {
        const qint64 wanted = std::min(KernelCopyBytes, track.dataBytes - done);
        const HashedFile::KernelCopy got =
            m_out.copyFrom(m_calls.copyRange, file.descriptor(), track.dataOffset + done, wanted);
        done += got.bytes;
        m_copied.inKernel += got.bytes;
        const bool imageFailed = m_out.error() != 0 || isWriteError(got.error);
        if (got.error != 0 && !imageFailed && HashedFile::CopyUnsupported(got.error)) {
            m_kernelCopy = false;
            return copyData(number, file, track, done);
        }
        if (got.error != 0 && !imageFailed)
            return failure(ImageFailure::Kind::ReadFailed, number, got.error);
        if (got.error != 0)
            return failure(ImageFailure::Kind::WriteFailed, 0, m_out.error() != 0 ? m_out.error() : got.error);
        if (got.bytes == 0)
            return failure(ImageFailure::Kind::TrackCutShort, number);
        if (Failure stopped = written())
            return stopped;
    }
    return std::nullopt;
}

// The buffered copy of the track's bytes from `from` on.
Failure ImageStream::copyData(int number, const ReadOnlyFile& file, const MasterTrack& track, qint64 from)
{
    for (qint64 done = from; done < track.dataBytes;) {
        const qint64 wanted = std::min<qint64>(m_out.spaceBytes(), track.dataBytes - done);
        const int64_t got = file.read(track.dataOffset + done, m_out.space(), wanted);
        if (got < 0)
            return failure(ImageFailure::Kind::ReadFailed, number, errno);
        if (got < wanted)
            return failure(ImageFailure::Kind::TrackCutShort, number);
        m_out.commit(qsizetype(got));
        done += got;
        m_copied.buffered += got;
        if (Failure stopped = written())
            return stopped;
    }
    return std::nullopt;
}

// The files of one image in its staging folder, with their checksum lines.
class ImageFiles {
public:
    explicit ImageFiles(const QString& folder)
        : m_folder(folder)
    {
    }

    QString pathOf(const char* name) const { return m_folder + u'/' + QLatin1String(name); }

    // Records a finished file's checksum line; the errno when it failed.
    int finished(HashedFile& file, const char* name)
    {
        const QByteArray md5 = file.finish();
        if (md5.isEmpty())
            return file.error();
        m_checksums += md5 + "  " + name + '\n';
        return 0;
    }

    int write(const char* name, QByteArrayView contents)
    {
        HashedFile file(pathOf(name), RecordBufferBytes);
        file.append(contents);
        return finished(file, name);
    }

    const QByteArray& checksums() const { return m_checksums; }

private:
    QString m_folder;
    QByteArray m_checksums;
};

Failure writeAudio(const MasterDisc& disc, const DiscLayout& layout, ImageFiles& files, const ImageProgress& progress,
                   const FileSystemCalls& calls, ImageResult& result)
{
    HashedFile image(files.pathOf(ddp::ImageFile), StreamBufferBytes);
    if (image.error() != 0)
        return failure(ImageFailure::Kind::WriteFailed, 0, image.error());
    ImageStream stream(image, layout.leadOutFrame * cdframe::Bytes, progress, calls);
    Failure stopped = stream.preGap();
    for (qsizetype i = 0; i < disc.tracks.size() && !stopped; ++i)
        stopped = stream.track(int(i) + 1, disc.tracks[i], layout.tracks[i]);
    result.copied = stream.copied();
    if (stopped)
        return stopped;
    if (const int error = files.finished(image, ddp::ImageFile))
        return failure(ImageFailure::Kind::WriteFailed, 0, error);
    result.imageMd5 = QString::fromLatin1(files.checksums().left(32));
    return std::nullopt;
}

// The records that describe IMAGE.DAT, and the checksums of all files.
int writeRecords(const MasterDisc& disc, const DiscLayout& layout, const QString& folderName, ImageFiles& files)
{
    QStringList isrcs;
    for (const MasterTrack& track : disc.tracks)
        isrcs.append(track.isrc);
    const QByteArray descriptor = ddp::PqDescriptor(pq::Entries(layout, isrcs));
    QByteArray map = ddp::AudioMapPacket(layout.leadOutFrame) +
                     ddp::SubcodeMapPacket(ddp::Subcode::Pq, descriptor.size());
    int error = files.write(ddp::PqFile, descriptor);
    if (!disc.cdTextPacks.isEmpty() && error == 0) {
        map += ddp::SubcodeMapPacket(ddp::Subcode::CdText, disc.cdTextPacks.size());
        error = files.write(ddp::CdTextFile, disc.cdTextPacks);
    }
    if (error == 0)
        error = files.write(ddp::MapFile, map);
    if (error == 0)
        error = files.write(ddp::IdFile, ddp::IdRecord(disc.catalog, ddp::MasterIdOf(folderName)));
    if (error == 0)
        error = files.write(ddp::ChecksumFile, files.checksums());
    return error;
}

// The first code not in its one valid form, the form the checks give it:
// the disc's catalog number (0), else the track of the ISRC.
std::optional<int> invalidCode(const MasterDisc& disc)
{
    if (CheckedCatalog(disc.catalog) != disc.catalog)
        return 0;
    for (qsizetype i = 0; i < disc.tracks.size(); ++i) {
        if (CheckedIsrc(disc.tracks[i].isrc) != disc.tracks[i].isrc)
            return int(i) + 1;
    }
    return std::nullopt;
}

bool nameTaken(const QString& folder)
{
    struct stat status {};
    return ::lstat(QFile::encodeName(folder).constData(), &status) == 0;
}

}  // namespace

ImageResult WriteDdpImage(const MasterDisc& disc, const QString& folder, const ImageProgress& progress,
                          const FileSystemCalls& calls)
{
    if (const auto track = invalidCode(disc))
        return {failure(ImageFailure::Kind::InvalidCode, *track), {}, {}};
    if (nameTaken(folder))
        return {failure(ImageFailure::Kind::FolderExists), {}, {}};
    StagingFolder staging(folder, ddp::FileNames());
    if (staging.error() != 0)
        return {failure(ImageFailure::Kind::WriteFailed, 0, staging.error()), {}, {}};
    const DiscLayout layout = LayoutOf(disc);
    ImageFiles files(staging.path());
    ImageResult result;
    result.failure = writeAudio(disc, layout, files, progress, calls, result);
    if (result.failure)
        return {result.failure, {}, result.copied};
    int error = writeRecords(disc, layout, QFileInfo(folder).fileName(), files);
    if (error == 0)
        error = staging.commit(calls.renameNoReplace);
    if (error == EEXIST || error == ENOTEMPTY)
        return {failure(ImageFailure::Kind::FolderExists), {}, result.copied};
    if (error != 0)
        return {failure(ImageFailure::Kind::WriteFailed, 0, error), {}, result.copied};
    return result;
}
