// Gives the test process an ALSA "default" device of the test's choosing,
// through an .asoundrc in a temporary HOME:
//  - File: alsa-lib's file plugin over the null device, so that the bytes
//    that reach the output land in a file, as fast as they are written;
//  - Pulse: the PulseAudio daemon that scripts/start-audio.sh runs, a null
//    sink paced in real time;
//  - Missing: a device that cannot be opened.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "temp_dir.h"

namespace playbacktest {

enum class Device { File, Pulse, Missing };

class AudioHome {
public:
    explicit AudioHome(Device device);
    ~AudioHome();
    AudioHome(const AudioHome&) = delete;
    AudioHome& operator=(const AudioHome&) = delete;

    const testsupport::TempDir& dir() const { return m_dir; }
    // What the file device has received so far (complete once the playback
    // reported its end, which happens after the device is closed).
    std::vector<uint8_t> played() const;

private:
    testsupport::TempDir m_dir;
    std::string m_savedHome;
};

// The socket and sink of the test daemon (scripts/start-audio.sh).
std::string pulseServer();
std::string pulseSink();

}  // namespace playbacktest
