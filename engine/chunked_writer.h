// Writes a file from its first byte on in whole, aligned 64 KiB pieces,
// whatever the sizes of the parts handed to it. A WAV header of 44 bytes in
// front of 64 KiB sample blocks would otherwise make every write straddle the
// page cache's pages, which costs a third more than the copy itself.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "file_handle.h"

namespace welvox {

class ChunkedWriter {
public:
    static constexpr size_t kChunkBytes = 65536;

    // samplesStart: the file offset of the first sample; the space handed
    // out for samples is then aligned for 16-bit access.
    ChunkedWriter(const FileHandle& file, size_t samplesStart);

    // Where the next bytes go, and how many fit there (at least kChunkBytes).
    uint8_t* space() { return m_begin + m_pending; }
    size_t spaceBytes() const { return m_capacity - m_pending; }

    // The first `bytes` bytes of space() are filled; whole chunks among the
    // pending bytes go to the file. False when the file took fewer bytes.
    bool add(size_t bytes);
    // Copies bytes in and adds them.
    bool append(const void* data, size_t bytes);
    // Writes what is pending. False when the file took fewer bytes.
    bool flush();

private:
    static constexpr size_t kCacheLine = 64;

    bool writePending(size_t bytes);

    const FileHandle& m_file;
    std::vector<uint8_t> m_storage;
    uint8_t* m_begin;
    size_t m_capacity;
    size_t m_pending = 0;
};

}  // namespace welvox
