// Writes a PCM WAV file of 44.1 kHz, 16-bit stereo samples: a 44-byte
// header whose sizes are filled in by finish(), then the samples as they
// come. A write that fails leaves the file cut to zero length, so that an
// incomplete file can never pass for a complete one.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>

namespace vbmp3 {

class WavWriter {
public:
    WavWriter() = default;
    ~WavWriter();
    WavWriter(const WavWriter&) = delete;
    WavWriter& operator=(const WavWriter&) = delete;

    // Creates or replaces the file and writes the header. False when the
    // file cannot be created or written.
    bool create(const char* path);
    // Appends bytes of interleaved samples. False (and the file cut to zero
    // length) when they cannot all be written.
    bool append(const unsigned char* bytes, size_t count);
    // Writes the final sizes into the header and closes the file.
    bool finish();
    // Closes the file as it is.
    void close();

    static constexpr uint32_t HeaderBytes = 44;
    // The largest data chunk a RIFF size field can describe.
    static constexpr uint64_t MaxDataBytes = 0xFFFFFFFFull - (HeaderBytes - 8);

private:
    bool fail();

    std::FILE* m_file = nullptr;
    uint64_t m_dataBytes = 0;
};

// The header for a data chunk of dataBytes bytes.
void wavHeader(uint32_t dataBytes, unsigned char header[WavWriter::HeaderBytes]);

}  // namespace vbmp3
