// MP3 files for tests, made at test time with the lame encoder from a WAV
// file that the test builds.
#pragma once

#include <cstdint>
#include <filesystem>
#include <vector>

namespace testsupport {

struct Mp3Layout {
    uint16_t channels = 2;
    uint32_t sampleRate = 44100;
    bool infoTag = true;  // the LAME info tag that makes gapless decoding possible
    uint32_t lowpassKhz = 0;  // 0: lame's own choice, near 19 kHz at 192 kbit/s
};

// Encodes interleaved 16-bit samples of the layout's channels and rate at
// 192 kbit/s into an MP3 file at path. Throws when lame fails.
void writeMp3(const std::filesystem::path& path, const std::vector<int16_t>& samples, const Mp3Layout& layout = {});

// Frames of a signal that lame encodes without trouble: a tone with some
// noise, of the given channels.
std::vector<int16_t> mp3Signal(size_t frames, uint16_t channels);

}  // namespace testsupport
