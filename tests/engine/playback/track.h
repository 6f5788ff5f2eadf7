// A WAV track on disk, analysed by FileOpen, with the record that playback
// and saving take.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "temp_dir.h"
#include "welvox.h"

namespace playbacktest {

class Track {
public:
    Track(const testsupport::TempDir& dir, const std::string& name, const std::vector<int16_t>& samples);
    Track(const Track&) = delete;
    Track& operator=(const Track&) = delete;

    TrackRecord record{};  // its path points into this object
    const std::string& path() const { return m_path; }

    // The data chunk that FileSave writes for record as a copy: what
    // playback from offset 0 must send to the output.
    std::vector<uint8_t> savedData() const;

private:
    std::string m_path;
    std::filesystem::path m_saved;
};

// A signal whose every frame tells its own position: the left sample holds
// the frame index's low 16 bits, the right sample 1 + its high bits, so no
// frame is silent.
std::vector<int16_t> positionCoded(int frames);
// The frame index a frame of positionCoded() holds; -1 for a silent frame.
int64_t decodePosition(int16_t left, int16_t right);

}  // namespace playbacktest
