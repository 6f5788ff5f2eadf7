#include "mp3_encoder.h"

#include "wav_builder.h"

#include <cmath>
#include <cstdlib>
#include <stdexcept>
#include <string>

namespace testsupport {

void writeMp3(const std::filesystem::path& path, const std::vector<int16_t>& samples, const Mp3Layout& layout)
{
    std::filesystem::path wav = path;
    wav += ".source.wav";
    writeFile(wav, makeWav(samples, WavLayout{.channels = layout.channels, .sampleRate = layout.sampleRate}));
    const std::string command = std::string("lame --quiet -b 192 ") + (layout.channels == 1 ? "-m m " : "") +
                                (layout.infoTag ? "" : "-t ") +
                                (layout.lowpassKhz ? "--lowpass " + std::to_string(layout.lowpassKhz) + " " : "") + "'" + wav.string() + "' '" + path.string() + "'";
    const int status = std::system(command.c_str());
    std::filesystem::remove(wav);
    if (status != 0)
        throw std::runtime_error("lame failed: " + command);
}

std::vector<int16_t> mp3Signal(size_t frames, uint16_t channels)
{
    std::vector<int16_t> samples;
    samples.reserve(frames * channels);
    const std::vector<int16_t> hiss = noise(frames * channels, 2000, 7);
    for (size_t i = 0; i < frames; ++i) {
        const double tone = 12000.0 * std::sin(2.0 * M_PI * 440.0 * double(i) / 44100.0);
        for (uint16_t c = 0; c < channels; ++c)
            samples.push_back(static_cast<int16_t>(tone + hiss[i * channels + c]));
    }
    return samples;
}

}  // namespace testsupport
