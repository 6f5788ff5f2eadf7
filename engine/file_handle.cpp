#include "file_handle.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace welvox {

FileHandle::~FileHandle() { close(); }

FileHandle& FileHandle::operator=(FileHandle&& other) noexcept {
    if (this != &other) {
        close();
        m_fd = other.release();
    }
    return *this;
}

namespace {

// Opening without O_NONBLOCK would wait for a writer on a FIFO; once the file
// is known to be regular the flag is dropped again (it means nothing there).
FileHandle openRegularFile(const char* path, int access) {
    FileHandle file(::open(path, access | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    struct stat st {};
    if (!file.isOpen() || ::fstat(file.fd(), &st) != 0 || !S_ISREG(st.st_mode)) return FileHandle();
    ::fcntl(file.fd(), F_SETFL, ::fcntl(file.fd(), F_GETFL) & ~O_NONBLOCK);
    return file;
}

}  // namespace

FileHandle FileHandle::openForReading(const char* path) { return openRegularFile(path, O_RDONLY); }

FileHandle FileHandle::openForUpdate(const char* path) { return openRegularFile(path, O_RDWR); }

int FileHandle::release() {
    const int fd = m_fd;
    m_fd = -1;
    return fd;
}

void FileHandle::close() {
    if (m_fd >= 0) ::close(m_fd);
    m_fd = -1;
}

ssize_t FileHandle::readAt(void* buffer, size_t length, int64_t offset) const {
    if (offset < 0) return -1;
    auto* out = static_cast<char*>(buffer);
    size_t done = 0;
    while (done < length) {
        const ssize_t n = ::pread(m_fd, out + done, length - done, offset + done);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return -1;
        if (n == 0) break;
        done += size_t(n);
    }
    return ssize_t(done);
}

size_t FileHandle::write(const void* buffer, size_t length) const {
    const auto* in = static_cast<const char*>(buffer);
    size_t done = 0;
    while (done < length) {
        const ssize_t n = ::write(m_fd, in + done, length - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) break;
        done += size_t(n);
    }
    return done;
}

int64_t FileHandle::size() const {
    struct stat st {};
    if (::fstat(m_fd, &st) != 0) return -1;
    return st.st_size;
}

}  // namespace welvox
