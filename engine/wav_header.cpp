#include "wav_header.h"

namespace welvox {
namespace {

// Tags and fmt body of the accepted layout, without any size fields.
constexpr uint8_t kHeaderTemplate[36] = {
    'R', 'I', 'F', 'F',                                  // 0-3
    'W', 'A', 'V', 'E', 'f', 'm', 't', ' ',              // 4-11
    0x01, 0x00, 0x02, 0x00, 0x44, 0xAC, 0x00, 0x00,      // 12-19: PCM, 2 ch, 44100 Hz
    0x10, 0xB1, 0x02, 0x00, 0x04, 0x00, 0x10, 0x00,      // 20-27: 176400 B/s, align 4, 16 bits
    'f', 'a', 'c', 't',                                  // 28-31
    'd', 'a', 't', 'a',                                  // 32-35
};

constexpr int kFactChunkBytes = 12;
constexpr uint32_t kLargestFmtSize = 43;  // the next chunk then starts at 63

uint32_t readLe32(const uint8_t* p) {
    return uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24;
}

}  // namespace

int compareHeader(uint8_t fileStart, uint8_t templateStart, uint8_t length, const uint8_t* header) {
    int differing = 0;
    for (int i = 0; i < length; ++i) {
        const int t = templateStart + i;
        if (t >= int(sizeof kHeaderTemplate) || header[fileStart + i] != kHeaderTemplate[t]) ++differing;
    }
    return differing;
}

std::optional<WavHeaderInfo> parseWavHeader(std::span<const uint8_t> bytes) {
    constexpr size_t kFixedPart = 36;  // RIFF header and a 16-byte fmt body
    if (bytes.size() < kFixedPart) return std::nullopt;
    const uint8_t* h = bytes.data();

    // Only the low byte of the fmt size locates the next chunk. Sizes above 43
    // would wrap back into the header itself (0x30 points at byte 4), where a
    // crafted RIFF size could pass for a "data" tag: they are refused.
    if (readLe32(h + 16) > kLargestFmtSize) return std::nullopt;
    const int factOffset = (h[16] + 20) % 64;
    int dataTag = factOffset;
    if (size_t(factOffset) + 4 <= bytes.size() && compareHeader(factOffset, 28, 4, h) == 0)
        dataTag = factOffset + kFactChunkBytes;
    if (size_t(dataTag) + 8 > bytes.size()) return std::nullopt;

    const int mismatches = compareHeader(0, 0, 4, h) + compareHeader(8, 4, 8, h) +
                           compareHeader(20, 12, 16, h) + compareHeader(dataTag, 32, 4, h);
    if (mismatches != 0) return std::nullopt;
    return WavHeaderInfo{dataTag, readLe32(h + dataTag + 4)};
}

}  // namespace welvox
