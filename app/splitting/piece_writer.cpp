#include "piece_writer.h"

#include "system_error_text.h"
#include "wav_header_bytes.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <memory>
#include <unistd.h>
#include <vector>

namespace {

constexpr int64_t ChunkBytes = 8 << 20;  // copied between two progress reports

struct Descriptor {
    int fd = -1;
    explicit Descriptor(int f) : fd(f) {}
    ~Descriptor()
    {
        if (fd >= 0)
            ::close(fd);
    }
};

bool writeAll(int fd, const char* data, int64_t bytes)
{
    while (bytes > 0) {
        const ssize_t n = ::write(fd, data, size_t(bytes));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        data += n;
        bytes -= n;
    }
    return true;
}

// The hidden folder the pieces are written in; removed with whatever it
// still holds when it goes.
class HiddenFolder {
public:
    explicit HiddenFolder(const QString& folder)
    {
        QByteArray pattern = QFile::encodeName(QDir(folder).filePath(QStringLiteral(".sonvelle-split-XXXXXX")));
        if (::mkdtemp(pattern.data()))
            m_path = QFile::decodeName(pattern);
        else
            m_error = errno;
    }
    ~HiddenFolder()
    {
        if (!m_path.isEmpty())
            QDir(m_path).removeRecursively();
    }
    QString path() const { return m_path; }
    int error() const { return m_error; }

private:
    QString m_path;
    int m_error = 0;
};

}  // namespace

PieceWriter::PieceWriter(const Recording& recording, FileSystemCalls calls)
    : m_recording(recording)
    , m_calls(std::move(calls))
{
}

QStringList PieceWriter::TakenNames(const QString& folder, const QList<PieceFile>& pieces)
{
    QStringList taken;
    for (const PieceFile& piece : pieces) {
        const QFileInfo file(QDir(folder).filePath(piece.name));
        if (file.exists() || file.isSymLink())
            taken << piece.name;
    }
    return taken;
}

namespace {

// Copies the recording's samples [from, from + count) to the end of out.
class SampleCopy {
public:
    SampleCopy(const Recording& recording, const FileSystemCalls& calls, int64_t total,
               const PieceWriter::Progress& progress)
        : m_recording(recording), m_calls(calls), m_total(std::max<int64_t>(total, 1)), m_progress(progress)
    {
    }

    // The description of a failure, empty on success or after a cancel
    // (which cancelled() tells).
    QString copy(int out, int64_t from, int64_t count)
    {
        int64_t copied = 0;
        for (const PartRange& range : m_recording.rangesOf(from, count)) {
            if (QString error = copyBytes(out, range.part, range.offset, range.bytes); !error.isEmpty() || m_cancelled)
                return error;
            copied += range.bytes;
        }
        return copied < count * Recording::SampleBytes ? FileCutShortText() : QString();
    }

    bool cancelled() const { return m_cancelled; }

private:
    int source(int part, QString& error)
    {
        if (m_sources.size() <= size_t(part))
            m_sources.resize(size_t(part) + 1);
        auto& slot = m_sources[size_t(part)];
        if (!slot)
            slot = std::make_unique<Descriptor>(
                ::open(QFile::encodeName(m_recording.parts()[part].path).constData(), O_RDONLY | O_CLOEXEC));
        if (slot->fd < 0)
            error = SystemErrorText(errno);
        return slot->fd;
    }

    QString copyBytes(int out, int part, int64_t at, int64_t bytes)
    {
        QString error;
        const int in = source(part, error);
        if (!error.isEmpty())
            return error;
        while (bytes > 0) {
            const int64_t chunk = std::min(bytes, ChunkBytes);
            const int64_t done = copyChunk(in, at, out, chunk);
            if (done < 0)
                return SystemErrorText(errno);
            if (done < chunk)
                return FileCutShortText();
            at += chunk;
            bytes -= chunk;
            m_copied += chunk;
            if (m_progress && !m_progress(int(m_copied * 100 / m_total))) {
                m_cancelled = true;
                return {};
            }
        }
        return {};
    }

    // The kernel's copy first; where a file system refuses it, reads and
    // writes through a buffer. Bytes copied (fewer where the source ends),
    // or -1 with errno set.
    int64_t copyChunk(int in, int64_t at, int out, int64_t bytes)
    {
        int64_t done = 0;
        while (m_kernelCopy && done < bytes) {
            loff_t from = at + done;
            const ssize_t n = m_calls.copyRange(in, &from, out, size_t(bytes - done));
            if (n < 0 && errno == EINTR)
                continue;
            if (n < 0 && (errno == EXDEV || errno == EINVAL || errno == ENOSYS || errno == EOPNOTSUPP)) {
                m_kernelCopy = false;
                break;
            }
            if (n < 0)
                return -1;
            if (n == 0)
                return done;
            done += n;
        }
        if (m_buffer.empty() && done < bytes)
            m_buffer.resize(size_t(1) << 20);
        while (done < bytes) {
            const size_t wanted = size_t(std::min<int64_t>(bytes - done, int64_t(m_buffer.size())));
            const ssize_t n = ::pread(in, m_buffer.data(), wanted, off_t(at + done));
            if (n < 0 && errno == EINTR)
                continue;
            if (n < 0)
                return -1;
            if (n == 0)
                return done;
            if (!writeAll(out, m_buffer.data(), n))
                return -1;
            done += n;
        }
        return done;
    }

    const Recording& m_recording;
    const FileSystemCalls& m_calls;
    int64_t m_total;
    const PieceWriter::Progress& m_progress;
    std::vector<std::unique_ptr<Descriptor>> m_sources;
    std::vector<char> m_buffer;
    int64_t m_copied = 0;
    bool m_kernelCopy = true;
    bool m_cancelled = false;
};

// Renames from to to unless to exists. Where the file system has no rename
// that refuses to replace, a hard link does the same (it too fails on an
// existing name) and the hidden name goes after it.
bool takeName(const FileSystemCalls& calls, const QByteArray& from, const QByteArray& to)
{
    if (calls.renameNoReplace(from.constData(), to.constData()) == 0)
        return true;
    if (errno != EINVAL && errno != ENOSYS)
        return false;
    if (::link(from.constData(), to.constData()) != 0)
        return false;
    ::unlink(from.constData());
    return true;
}

}  // namespace

PieceWriting PieceWriter::write(const QString& folder, const QList<PieceFile>& pieces, const Progress& progress)
{
    if (const QStringList taken = TakenNames(folder, pieces); !taken.isEmpty())
        return {PieceWriting::NamesTaken, {}, taken};
    HiddenFolder hidden(folder);
    if (hidden.path().isEmpty())
        return {PieceWriting::Failed, SystemErrorText(hidden.error()), {}};
    int64_t total = 0;
    for (const PieceFile& piece : pieces)
        total += piece.samples * Recording::SampleBytes;
    SampleCopy copy(m_recording, m_calls, total, progress);
    for (const PieceFile& piece : pieces) {
        const QByteArray path = QFile::encodeName(QDir(hidden.path()).filePath(piece.name));
        const Descriptor out(::open(path.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644));
        if (out.fd < 0)
            return {PieceWriting::Failed, SystemErrorText(errno), {piece.name}};
        const QByteArray header = CanonicalWavHeader(piece.samples * Recording::SampleBytes);
        if (!writeAll(out.fd, header.constData(), header.size()))
            return {PieceWriting::Failed, SystemErrorText(errno), {piece.name}};
        const QString error = copy.copy(out.fd, piece.start, piece.samples);
        if (copy.cancelled())
            return {PieceWriting::Cancelled, {}, {}};
        if (!error.isEmpty())
            return {PieceWriting::Failed, error, {piece.name}};
    }
    // Every piece is whole: now they take their names, none replacing a
    // file; one that cannot takes back those that went before it.
    QStringList placed;
    for (const PieceFile& piece : pieces) {
        const QByteArray from = QFile::encodeName(QDir(hidden.path()).filePath(piece.name));
        const QByteArray to = QFile::encodeName(QDir(folder).filePath(piece.name));
        if (!takeName(m_calls, from, to)) {
            const int error = errno;
            for (const QString& name : placed)
                QFile::remove(QDir(folder).filePath(name));
            if (error == EEXIST)
                return {PieceWriting::NamesTaken, {}, {piece.name}};
            return {PieceWriting::Failed, SystemErrorText(error), {piece.name}};
        }
        placed << piece.name;
    }
    return {};
}
