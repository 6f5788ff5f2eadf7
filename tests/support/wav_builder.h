// Builds WAV files for tests, in the accepted layout or deliberately not.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace testsupport {

struct WavLayout {
    uint16_t formatTag = 1;
    uint16_t channels = 2;
    uint32_t sampleRate = 44100;
    uint16_t bitsPerSample = 16;
    uint32_t fmtSize = 16;            // extra fmt bytes beyond 16 are zero
    bool factChunk = false;           // a 12-byte "fact" chunk after fmt
    bool listBeforeData = false;      // a LIST chunk between fmt/fact and data
    bool listAfterData = false;       // a LIST chunk after the data
    std::optional<uint32_t> dataSizeField;  // overrides the data chunk's size field
};

// The whole file: header, the samples as 16-bit little-endian, optional chunks.
std::vector<uint8_t> makeWav(const std::vector<int16_t>& samples, const WavLayout& layout = {});

// Floats as the 16-bit words makeWav writes, for a float layout (formatTag
// 3, 32 bits per sample).
std::vector<int16_t> floatWords(const std::vector<float>& samples);

// Interleaved stereo samples: frames of silence, then `loud` frames of the
// given value on both channels, then `tail` frames of silence.
std::vector<int16_t> silenceLoudSilence(int head, int loud, int tail, int16_t value = 10000);

// A deterministic pseudo-random signal of `samples` 16-bit samples whose
// magnitude stays at or below `amplitude`.
std::vector<int16_t> noise(size_t samples, int amplitude = 20000, uint32_t seed = 1);

void writeFile(const std::filesystem::path& path, const std::vector<uint8_t>& bytes);
std::vector<uint8_t> readFile(const std::filesystem::path& path);

// Bytes [offset, offset + length) of a byte vector, clipped to its end.
std::vector<uint8_t> slice(const std::vector<uint8_t>& bytes, size_t offset, size_t length = SIZE_MAX);

}  // namespace testsupport
