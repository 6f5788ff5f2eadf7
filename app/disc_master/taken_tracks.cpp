#include "taken_tracks.h"

#include "hashed_file.h"
#include "read_only_file.h"
#include "file_system_calls.h"
#include "staging_folder.h"
#include "wav_header_bytes.h"

#include <QFile>
#include <QtEndian>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <vector>

namespace {

constexpr qsizetype BufferBytes = 1 << 18;
// How much the kernel copies between two progress reports.
constexpr qint64 CopyStepBytes = 1 << 22;
// File names stay well within the 255 bytes a Linux file system allows.
constexpr int MaxTitleCharacters = 80;

using Failure = std::optional<TakeFailure>;

Failure failure(TakeFailure::Kind kind, int error = 0)
{
    return TakeFailure{kind, error};
}

// Reads the main data and writes the track files, telling the caller how
// far it got.
class Extraction {
public:
    Extraction(const TakePlan& plan, const ReadOnlyFile& image, const TakeProgress& progress)
        : m_image(image)
        , m_total(std::max<qint64>(plan.totalBytes(), 1))
        , m_progress(progress)
        , m_buffer(BufferBytes)
    {
    }

    // Whether bytes from at on are all zero; the failure when they could
    // not be read.
    Failure silent(qint64 at, qint64 bytes, bool& zero);
    Failure writeTrack(const QString& path, qint64 at, qint64 bytes);

private:
    Failure copy(int out, qint64 at, qint64 bytes);
    Failure copyBuffered(int out, qint64 at, qint64 bytes);
    Failure advanced(qint64 bytes)
    {
        m_done += bytes;
        if (m_progress && !m_progress(int(std::min<qint64>(m_done * 100 / m_total, 100))))
            return failure(TakeFailure::Kind::Cancelled);
        return std::nullopt;
    }

    const ReadOnlyFile& m_image;
    qint64 m_total;
    const TakeProgress& m_progress;
    std::vector<char> m_buffer;
    qint64 m_done = 0;
    bool m_kernelCopy = true;  // until the file systems turn it down
};

Failure Extraction::silent(qint64 at, qint64 bytes, bool& zero)
{
    zero = true;
    for (qint64 done = 0; done < bytes && zero;) {
        const qint64 wanted = std::min<qint64>(qint64(m_buffer.size()), bytes - done);
        const int64_t got = m_image.read(at + done, m_buffer.data(), wanted);
        if (got < 0)
            return failure(TakeFailure::Kind::ReadFailed, errno);
        if (got < wanted)
            return failure(TakeFailure::Kind::ReadFailed);
        zero = std::all_of(m_buffer.begin(), m_buffer.begin() + got, [](char c) { return c == 0; });
        done += got;
        if (Failure stopped = advanced(got))
            return stopped;
    }
    return std::nullopt;
}

Failure Extraction::writeTrack(const QString& path, qint64 at, qint64 bytes)
{
    const int out = ::open(QFile::encodeName(path).constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (out < 0)
        return failure(TakeFailure::Kind::WriteFailed, errno);
    const QByteArray header = CanonicalWavHeader(bytes);
    Failure stopped;
    if (::write(out, header.constData(), size_t(header.size())) != header.size())
        stopped = failure(TakeFailure::Kind::WriteFailed, errno != 0 ? errno : EIO);
    if (!stopped)
        stopped = copy(out, at, bytes);
    if (::close(out) != 0 && !stopped)
        stopped = failure(TakeFailure::Kind::WriteFailed, errno);
    return stopped;
}

// Copies inside the kernel, and through the buffer from the first byte not
// copied once the file systems cannot.
Failure Extraction::copy(int out, qint64 at, qint64 bytes)
{
    qint64 done = 0;
    while (m_kernelCopy && done < bytes) {
        loff_t from = at + done;
        const ssize_t got = ::copy_file_range(m_image.descriptor(), &from, out, nullptr,
                                              size_t(std::min(CopyStepBytes, bytes - done)), 0);
        if (got < 0 && HashedFile::CopyUnsupported(errno)) {
            m_kernelCopy = false;
            break;
        }
        if (got < 0 && errno != EINTR)
            return failure(errno == ENOSPC || errno == EFBIG || errno == EDQUOT ? TakeFailure::Kind::WriteFailed
                                                                                 : TakeFailure::Kind::ReadFailed,
                           errno);
        if (got == 0)
            return failure(TakeFailure::Kind::ReadFailed);
        if (got > 0) {
            done += got;
            if (Failure stopped = advanced(got))
                return stopped;
        }
    }
    return done < bytes ? copyBuffered(out, at + done, bytes - done) : std::nullopt;
}

Failure Extraction::copyBuffered(int out, qint64 at, qint64 bytes)
{
    for (qint64 done = 0; done < bytes;) {
        const qint64 wanted = std::min<qint64>(qint64(m_buffer.size()), bytes - done);
        const int64_t got = m_image.read(at + done, m_buffer.data(), wanted);
        if (got < 0)
            return failure(TakeFailure::Kind::ReadFailed, errno);
        if (got < wanted)
            return failure(TakeFailure::Kind::ReadFailed);
        for (qint64 written = 0; written < got;) {
            const ssize_t n = ::write(out, m_buffer.data() + written, size_t(got - written));
            if (n < 0 && errno == EINTR)
                continue;
            if (n <= 0)
                return failure(TakeFailure::Kind::WriteFailed, n < 0 ? errno : EIO);
            written += n;
        }
        done += got;
        if (Failure stopped = advanced(got))
            return stopped;
    }
    return std::nullopt;
}

bool nameTaken(const QString& folder)
{
    struct stat status {};
    return ::lstat(QFile::encodeName(folder).constData(), &status) == 0;
}

// The tracks into the staging folder, in order.
Failure writeTracks(const TakePlan& plan, const QStringList& fileNames, Extraction& extraction,
                    const QString& staging, const QString& folder, TakeResult& result)
{
    if (plan.preGapBytes > 0) {
        bool zero = true;
        if (Failure stopped = extraction.silent(plan.preGapFirstByte, plan.preGapBytes, zero))
            return stopped;
        if (!zero)
            result.notes.append({TakeNote::Kind::PreGapAudio, plan.tracks.first().number});
    }
    for (qsizetype i = 0; i < plan.tracks.size(); ++i) {
        const PlannedTrack& track = plan.tracks[i];
        bool silentPause = true;
        if (Failure stopped = extraction.silent(track.firstByte + track.bytes, track.pauseBytes, silentPause))
            return stopped;
        if (!silentPause)
            result.notes.append({TakeNote::Kind::PauseWithAudio, plan.tracks[i + 1].number});
        const qint64 bytes = track.bytes + (silentPause ? 0 : track.pauseBytes);
        if (Failure stopped = extraction.writeTrack(staging + u'/' + fileNames[i], track.firstByte, bytes))
            return stopped;
        result.tracks.append(
            {track.number, folder + u'/' + fileNames[i], bytes, silentPause ? track.pauseBytes : 0});
    }
    return std::nullopt;
}

}  // namespace

TakeResult WriteTakenTracks(const TakePlan& plan, const QStringList& fileNames, const QString& folder,
                            const TakeProgress& progress)
{
    TakeResult result;
    result.notes = plan.notes;
    const auto failed = [&result](Failure stopped) {
        result.tracks.clear();
        result.failure = stopped;
        return result;
    };
    if (nameTaken(folder))
        return failed(failure(TakeFailure::Kind::FolderExists));
    const ReadOnlyFile image(QFile::encodeName(plan.mainFile).constData());
    if (image.openError() != 0)
        return failed(failure(TakeFailure::Kind::ReadFailed, image.openError()));
    ::posix_fadvise(image.descriptor(), 0, 0, POSIX_FADV_SEQUENTIAL);
    StagingFolder staging(folder, fileNames);
    if (staging.error() != 0)
        return failed(failure(TakeFailure::Kind::WriteFailed, staging.error()));
    Extraction extraction(plan, image, progress);
    if (Failure stopped = writeTracks(plan, fileNames, extraction, staging.path(), folder, result))
        return failed(stopped);
    const int error = staging.commit(FileSystemCalls::KernelRenameNoReplace);
    if (error == EEXIST || error == ENOTEMPTY)
        return failed(failure(TakeFailure::Kind::FolderExists));
    if (error != 0)
        return failed(failure(TakeFailure::Kind::WriteFailed, error));
    return result;
}

QString TakenFileName(int number, const QString& title)
{
    QString name = title.left(MaxTitleCharacters);
    if (!name.isEmpty() && name.back().isHighSurrogate())
        name.chop(1);
    for (QChar& c : name) {
        if (c == u'/' || c.category() == QChar::Other_Control)
            c = u'_';
    }
    return QStringLiteral("M%1_").arg(number, 2, 10, QChar(u'0')) + name + QStringLiteral(".wav");
}
