#include "track.h"

#include <stdexcept>

#include "wav_builder.h"

namespace playbacktest {

Track::Track(const testsupport::TempDir& dir, const std::string& name, const std::vector<int16_t>& samples)
    : m_path((dir / name).string()), m_saved(dir / ("saved_" + name)) {
    testsupport::writeFile(m_path, testsupport::makeWav(samples));
    if (FileOpen(m_path.c_str(), &record, 80, 1, nullptr) != ENGINE_SUCCESS)
        throw std::runtime_error("FileOpen refused " + m_path);
    record.title = "track";
    record.path = m_path.c_str();
}

std::vector<uint8_t> Track::savedData() const {
    TrackRecord copy = record;
    if (FileSave(m_saved.c_str(), &copy, 1, nullptr) != ENGINE_SUCCESS)
        throw std::runtime_error("FileSave failed for " + m_path);
    return testsupport::slice(testsupport::readFile(m_saved), size_t(record.dataOffset),
                              size_t(record.dataBytes + record.muteAdjustBytes));
}

std::vector<int16_t> positionCoded(int frames) {
    std::vector<int16_t> samples(size_t(frames) * 2);
    for (int k = 0; k < frames; ++k) {
        samples[2 * size_t(k)] = int16_t(uint16_t(k & 0xFFFF));
        samples[2 * size_t(k) + 1] = int16_t(1 + (k >> 16));
    }
    return samples;
}

int64_t decodePosition(int16_t left, int16_t right) {
    if (right <= 0) return -1;
    return (int64_t(right) - 1) << 16 | uint16_t(left);
}

}  // namespace playbacktest
