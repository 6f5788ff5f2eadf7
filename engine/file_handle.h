// A POSIX file descriptor that closes itself, with whole-buffer positioned
// reads and sequential writes that retry interrupted and partial transfers.
#pragma once

#include <cstddef>
#include <cstdint>
#include <sys/types.h>

namespace welvox {

class FileHandle {
public:
    FileHandle() = default;
    explicit FileHandle(int fd) : m_fd(fd) {}
    ~FileHandle();
    FileHandle(FileHandle&& other) noexcept : m_fd(other.release()) {}
    FileHandle& operator=(FileHandle&& other) noexcept;
    FileHandle(const FileHandle&) = delete;
    FileHandle& operator=(const FileHandle&) = delete;

    // Both open regular files only, and never wait: a FIFO or a device under
    // a track's name is refused at once instead of blocking the caller.
    static FileHandle openForReading(const char* path);
    static FileHandle openForUpdate(const char* path);

    bool isOpen() const { return m_fd >= 0; }
    int fd() const { return m_fd; }
    int release();
    void close();

    // Reads up to length bytes at offset; fewer only at the end of the file.
    // -1 when the read fails.
    ssize_t readAt(void* buffer, size_t length, int64_t offset) const;

    // Appends at the current position; returns how many bytes were stored
    // (fewer than length when the disk is full or the write fails).
    size_t write(const void* buffer, size_t length) const;

    // File length, -1 when it cannot be told.
    int64_t size() const;

private:
    int m_fd = -1;
};

}  // namespace welvox
