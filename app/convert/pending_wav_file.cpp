#include "pending_wav_file.h"

#include <array>
#include <bit>
#include <cerrno>
#include <cstring>
#include <unistd.h>

// Samples are written as they lie in memory; WAV data is little-endian.
static_assert(std::endian::native == std::endian::little);

namespace {

constexpr size_t HeaderBytes = 44;
// Data is written in pieces of this size: one system call for every few
// thousand frames rather than for every decoded block.
constexpr size_t WriteBytes = size_t(1) << 18;

void putLe(uint8_t* at, uint32_t value, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        at[i] = uint8_t(value >> (8 * i));
}

std::array<uint8_t, HeaderBytes> canonicalHeader(uint32_t dataBytes)
{
    std::array<uint8_t, HeaderBytes> h{};
    std::memcpy(&h[0], "RIFF", 4);
    putLe(&h[4], dataBytes + 36, 4);
    std::memcpy(&h[8], "WAVEfmt ", 8);
    putLe(&h[16], 16, 4);      // fmt chunk size
    putLe(&h[20], 1, 2);       // PCM
    putLe(&h[22], 2, 2);       // channels
    putLe(&h[24], 44100, 4);   // sample rate
    putLe(&h[28], 176400, 4);  // byte rate
    putLe(&h[32], 4, 2);       // block align
    putLe(&h[34], 16, 2);      // bits per sample
    std::memcpy(&h[36], "data", 4);
    putLe(&h[40], dataBytes, 4);
    return h;
}

bool writeAll(int fd, const void* data, size_t bytes, off_t at)
{
    const auto* p = static_cast<const uint8_t*>(data);
    while (bytes > 0) {
        const ssize_t written = at < 0 ? ::write(fd, p, bytes) : ::pwrite(fd, p, bytes, at);
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0) {
            if (written == 0)
                errno = ENOSPC;
            return false;
        }
        p += written;
        bytes -= size_t(written);
        if (at >= 0)
            at += written;
    }
    return true;
}

std::string directoryOf(const std::string& path)
{
    const auto slash = path.rfind('/');
    return slash == std::string::npos ? std::string(".") : path.substr(0, slash + 1);
}

}  // namespace

PendingWavFile::PendingWavFile(std::string destination)
    : m_destination(std::move(destination))
{
}

PendingWavFile::~PendingWavFile() = default;

PendingWavFile::Status PendingWavFile::open()
{
    // In the destination's directory, so that the final rename never
    // crosses file systems.
    m_temporary = DecodeTemporaryFile::create(directoryOf(m_destination));
    if (!m_temporary)
        return fail();
    const auto header = canonicalHeader(0);
    if (!writeAll(m_temporary->fd(), header.data(), header.size(), -1))
        return fail();
    return Status::Ok;
}

PendingWavFile::Status PendingWavFile::appendFrames(const int16_t* samples, size_t frames)
{
    const size_t bytes = frames * 4;
    if (m_dataBytes + bytes > MaxDataBytes)
        return Status::TooLong;
    const auto* data = reinterpret_cast<const uint8_t*>(samples);
    m_gathered.insert(m_gathered.end(), data, data + bytes);
    m_dataBytes += bytes;
    return m_gathered.size() >= WriteBytes ? flush() : Status::Ok;
}

PendingWavFile::Status PendingWavFile::flush()
{
    if (!writeAll(m_temporary->fd(), m_gathered.data(), m_gathered.size(), -1))
        return fail();
    m_gathered.clear();
    return Status::Ok;
}

PendingWavFile::Status PendingWavFile::commit()
{
    if (const Status flushed = flush(); flushed != Status::Ok)
        return flushed;
    const auto header = canonicalHeader(uint32_t(m_dataBytes));
    if (!writeAll(m_temporary->fd(), header.data(), header.size(), 0))
        return fail();
    if (!m_temporary->commit(m_destination))
        return fail();
    return Status::Ok;
}

PendingWavFile::Status PendingWavFile::fail()
{
    return errno == ENOSPC || errno == EDQUOT ? Status::DiskFull : Status::Failed;
}
