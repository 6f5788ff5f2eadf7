// A new file written through a fixed buffer, its MD5 computed from the bytes
// exactly as they are handed to the system (or, for bytes the kernel
// copied, as read back from the file), and flushed to the disk before it is
// closed. The system calls are used directly so that a failure's
// errno (a full disk above all) reaches the user's message.
#pragma once

#include "file_system_calls.h"

#include <QByteArray>
#include <QCryptographicHash>
#include <QString>

#include <vector>

class HashedFile {
public:
    // Creates path, which must not exist yet; error() tells whether it could.
    HashedFile(const QString& path, qsizetype bufferBytes);
    ~HashedFile();
    HashedFile(const HashedFile&) = delete;
    HashedFile& operator=(const HashedFile&) = delete;

    // The errno of the first failure, 0 while there was none. Once set,
    // nothing more is written.
    int error() const { return m_error; }

    // The free end of the buffer, to be filled directly, and how much of it
    // was filled; commit writes the buffer out when it is full.
    char* space() { return m_buffer.data() + m_used; }
    qsizetype spaceBytes() const { return qsizetype(m_buffer.size()) - m_used; }
    void commit(qsizetype bytes);

    void append(QByteArrayView bytes);
    void appendZeros(qint64 count);

    // What a copy inside the kernel appended, and why it stopped short.
    struct KernelCopy {
        qint64 bytes = 0;  // appended and hashed, even when the copy failed after them
        int error = 0;     // the errno that stopped it; 0 when it copied all, or up to source's end
    };
    // Appends up to `bytes` bytes of source from `at` on through copyRange
    // (copy_file_range: the bytes go as `cat` copies them, without passing
    // through this process), then hashes them as read back from this file.
    // A copy that fails part way keeps what it appended, so the rest can go
    // on from the first byte not copied; where the file systems cannot copy
    // so at all, the error is one of CopyUnsupported.
    KernelCopy copyFrom(const FileSystemCalls::CopyRange& copyRange, int source, qint64 at, qint64 bytes);
    static bool CopyUnsupported(int error);

    // Writes out the rest, flushes the file to the disk and closes it; then
    // the hex MD5 of all its bytes. Empty when anything failed.
    QByteArray finish();

    qint64 bytesWritten() const { return m_written; }

private:
    void writeBuffer();
    void hashBack(qint64 from, qint64 bytes);

    int m_fd = -1;
    int m_error = 0;
    std::vector<char> m_buffer;
    qsizetype m_used = 0;
    qint64 m_written = 0;
    QCryptographicHash m_md5{QCryptographicHash::Md5};
};
