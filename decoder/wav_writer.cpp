#include "wav_writer.h"

#include <cstring>
#include <unistd.h>

namespace vbmp3 {

namespace {

constexpr uint32_t Rate = 44100;
constexpr uint16_t Channels = 2;
constexpr uint16_t BitsPerSample = 16;
constexpr uint16_t BlockAlign = Channels * BitsPerSample / 8;
// Large writes keep the decoder from waiting on the file system.
constexpr size_t WriteBuffer = 1 << 20;

void put32(unsigned char* at, uint32_t value)
{
    for (int i = 0; i < 4; ++i)
        at[i] = static_cast<unsigned char>(value >> (8 * i));
}

void put16(unsigned char* at, uint16_t value)
{
    at[0] = static_cast<unsigned char>(value);
    at[1] = static_cast<unsigned char>(value >> 8);
}

}  // namespace

void wavHeader(uint32_t dataBytes, unsigned char header[WavWriter::HeaderBytes])
{
    std::memcpy(header, "RIFF", 4);
    put32(header + 4, dataBytes + WavWriter::HeaderBytes - 8);
    std::memcpy(header + 8, "WAVEfmt ", 8);
    put32(header + 16, 16);
    put16(header + 20, 1);
    put16(header + 22, Channels);
    put32(header + 24, Rate);
    put32(header + 28, Rate * BlockAlign);
    put16(header + 32, BlockAlign);
    put16(header + 34, BitsPerSample);
    std::memcpy(header + 36, "data", 4);
    put32(header + 40, dataBytes);
}

WavWriter::~WavWriter()
{
    close();
}

bool WavWriter::create(const char* path)
{
    close();
    m_file = std::fopen(path, "wb");
    if (m_file == nullptr)
        return false;
    std::setvbuf(m_file, nullptr, _IOFBF, WriteBuffer);
    m_dataBytes = 0;
    unsigned char header[HeaderBytes];
    wavHeader(0, header);
    return std::fwrite(header, 1, HeaderBytes, m_file) == HeaderBytes || fail();
}

bool WavWriter::append(const unsigned char* bytes, size_t count)
{
    if (m_file == nullptr || m_dataBytes + count > MaxDataBytes)
        return fail();
    if (std::fwrite(bytes, 1, count, m_file) != count)
        return fail();
    m_dataBytes += count;
    return true;
}

bool WavWriter::finish()
{
    if (m_file == nullptr)
        return false;
    unsigned char header[HeaderBytes];
    wavHeader(static_cast<uint32_t>(m_dataBytes), header);
    if (std::fflush(m_file) != 0 || std::fseek(m_file, 0, SEEK_SET) != 0 ||
        std::fwrite(header, 1, HeaderBytes, m_file) != HeaderBytes || std::fflush(m_file) != 0)
        return fail();
    const bool closed = std::fclose(m_file) == 0;
    m_file = nullptr;
    return closed;
}

void WavWriter::close()
{
    if (m_file != nullptr)
        std::fclose(m_file);
    m_file = nullptr;
}

bool WavWriter::fail()
{
    if (m_file == nullptr)
        return false;
    // Closing flushes what stdio still holds, so the cut comes after it.
    const int descriptor = dup(fileno(m_file));
    close();
    if (descriptor >= 0) {
        [[maybe_unused]] const int cut = ftruncate(descriptor, 0);
        ::close(descriptor);
    }
    return false;
}

}  // namespace vbmp3
