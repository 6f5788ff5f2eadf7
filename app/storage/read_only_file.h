// A file opened read-only for reads at given places. The system calls are
// used directly so that a failure's errno reaches the user's message; the
// file is closed when the object goes.
#pragma once

#include <cerrno>
#include <cstdint>
#include <fcntl.h>
#include <unistd.h>

class ReadOnlyFile {
public:
    explicit ReadOnlyFile(const char* encodedPath)
        : m_fd(::open(encodedPath, O_RDONLY | O_CLOEXEC))
        , m_openError(m_fd < 0 ? errno : 0)
    {
    }
    ~ReadOnlyFile()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    ReadOnlyFile(const ReadOnlyFile&) = delete;
    ReadOnlyFile& operator=(const ReadOnlyFile&) = delete;

    int descriptor() const { return m_fd; }
    // The errno of a failed open; 0 when the file is open.
    int openError() const { return m_openError; }

    // Reads up to `wanted` bytes at `at`: fewer only where the file ends.
    // The bytes read, or -1 with errno set.
    int64_t read(int64_t at, char* into, int64_t wanted) const
    {
        int64_t got = 0;
        while (got < wanted) {
            const ssize_t n = ::pread(m_fd, into + got, size_t(wanted - got), off_t(at + got));
            if (n < 0 && errno == EINTR)
                continue;
            if (n < 0)
                return -1;
            if (n == 0)
                break;
            got += n;
        }
        return got;
    }

private:
    int m_fd;
    int m_openError;
};
