// The one WAV layout the engine accepts: RIFF/WAVE, a PCM fmt chunk of
// 2 channels, 44,100 Hz, 16 bits, an optional 12-byte "fact" chunk, then
// "data". Pure functions over the first bytes of a file.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

namespace welvox {

// Enough header bytes for every layout the check can accept: the "data" tag
// lies at most at offset 75 and its size field ends at 83.
inline constexpr size_t kMaxHeaderBytes = 84;

// Number of bytes among header[fileStart .. fileStart + length) that differ
// from the accepted template's bytes [templateStart .. templateStart + length).
// Both start indexes are 8-bit values; header must hold the compared bytes.
int compareHeader(uint8_t fileStart, uint8_t templateStart, uint8_t length, const uint8_t* header);

struct WavHeaderInfo {
    int dataTagOffset;       // D: offset of the "data" tag
    uint32_t dataSizeField;  // the data chunk's size field as stored
    int dataOffset() const { return dataTagOffset + 8; }
};

// Checks the first bytes of a file (as many as it has, up to kMaxHeaderBytes)
// against the accepted layout. Empty when the layout differs or the bytes end
// before the data chunk's size field.
std::optional<WavHeaderInfo> parseWavHeader(std::span<const uint8_t> bytes);

}  // namespace welvox
