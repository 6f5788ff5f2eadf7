#include "chunked_writer.h"

#include <algorithm>
#include <cstring>

namespace welvox {

ChunkedWriter::ChunkedWriter(const FileHandle& file, size_t samplesStart)
    : m_file(file), m_storage(2 * kChunkBytes + kCacheLine + 1), m_capacity(2 * kChunkBytes) {
    // The kernel copies fastest between addresses that share their offset in
    // a cache line: the pending bytes start on a line, like the file's pages.
    // They always number samplesStart plus whole sample blocks, modulo the
    // chunk size; after an odd header they start one byte later, which keeps
    // the samples' space 2-byte aligned.
    const auto misalignment = reinterpret_cast<uintptr_t>(m_storage.data()) % kCacheLine;
    m_begin = m_storage.data() + (misalignment ? kCacheLine - misalignment : 0) + (samplesStart & 1);
}

bool ChunkedWriter::add(size_t bytes) {
    m_pending += bytes;
    if (m_pending < kChunkBytes) return true;
    return writePending(m_pending - m_pending % kChunkBytes);
}

bool ChunkedWriter::append(const void* data, size_t bytes) {
    const auto* in = static_cast<const uint8_t*>(data);
    while (bytes > 0) {
        const size_t n = std::min(bytes, spaceBytes());
        std::memcpy(space(), in, n);
        if (!add(n)) return false;
        in += n;
        bytes -= n;
    }
    return true;
}

bool ChunkedWriter::flush() { return writePending(m_pending); }

bool ChunkedWriter::writePending(size_t bytes) {
    if (m_file.write(m_begin, bytes) != bytes) return false;
    std::memmove(m_begin, m_begin + bytes, m_pending - bytes);
    m_pending -= bytes;
    return true;
}

}  // namespace welvox
