#include "hashed_file.h"

#include <QFile>

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

HashedFile::HashedFile(const QString& path, qsizetype bufferBytes)
    : m_fd(::open(QFile::encodeName(path).constData(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0666))
    , m_error(m_fd < 0 ? errno : 0)
    , m_buffer(size_t(bufferBytes))
{
}

HashedFile::~HashedFile()
{
    if (m_fd >= 0)
        ::close(m_fd);
}

void HashedFile::commit(qsizetype bytes)
{
    m_used += bytes;
    if (m_used == qsizetype(m_buffer.size()))
        writeBuffer();
}

void HashedFile::append(QByteArrayView bytes)
{
    while (!bytes.isEmpty() && m_error == 0) {
        const qsizetype n = std::min(bytes.size(), spaceBytes());
        std::memcpy(space(), bytes.data(), size_t(n));
        bytes = bytes.sliced(n);
        commit(n);
    }
}

void HashedFile::appendZeros(qint64 count)
{
    while (count > 0 && m_error == 0) {
        const qsizetype n = qsizetype(std::min<qint64>(count, spaceBytes()));
        std::memset(space(), 0, size_t(n));
        count -= n;
        commit(n);
    }
}

void HashedFile::writeBuffer()
{
    if (m_error == 0) {
        m_md5.addData(QByteArrayView(m_buffer.data(), m_used));
        for (qsizetype done = 0; done < m_used;) {
            const ssize_t n = ::write(m_fd, m_buffer.data() + done, size_t(m_used - done));
            if (n < 0 && errno == EINTR)
                continue;
            if (n < 0) {
                m_error = errno;
                break;
            }
            done += n;
            m_written += n;
        }
    }
    m_used = 0;
}

bool HashedFile::CopyUnsupported(int error)
{
    return error == EXDEV || error == EINVAL || error == ENOSYS || error == EOPNOTSUPP;
}

HashedFile::KernelCopy HashedFile::copyFrom(const FileSystemCalls::CopyRange& copyRange, int source, qint64 at,
                                            qint64 bytes)
{
    writeBuffer();
    if (m_error != 0)
        return {0, m_error};
    const qint64 start = m_written;
    loff_t from = at;
    KernelCopy copy;
    while (copy.bytes < bytes) {
        const ssize_t n = copyRange(source, &from, m_fd, size_t(bytes - copy.bytes));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            copy.error = errno;
        if (n <= 0)
            break;
        copy.bytes += n;
    }
    m_written += copy.bytes;
    // Starts writing the track's bytes out now, so that the disk works while
    // they are hashed and the last flush has little left to wait for.
    ::sync_file_range(m_fd, start, copy.bytes, SYNC_FILE_RANGE_WRITE);
    hashBack(start, copy.bytes);
    if (m_error != 0)
        copy.error = m_error;
    return copy;
}

void HashedFile::hashBack(qint64 from, qint64 bytes)
{
    for (qint64 done = 0; done < bytes && m_error == 0;) {
        const ssize_t n = ::pread(m_fd, m_buffer.data(), size_t(std::min<qint64>(qint64(m_buffer.size()), bytes - done)),
                                  off_t(from + done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            m_error = n < 0 ? errno : EIO;
            errno = m_error;
            break;
        }
        m_md5.addData(QByteArrayView(m_buffer.data(), n));
        done += n;
    }
}

QByteArray HashedFile::finish()
{
    writeBuffer();
    if (m_error == 0 && ::fsync(m_fd) != 0)
        m_error = errno;
    if (m_fd >= 0 && ::close(m_fd) != 0 && m_error == 0)
        m_error = errno;
    m_fd = -1;
    return m_error == 0 ? m_md5.result().toHex() : QByteArray();
}
