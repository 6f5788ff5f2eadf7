// Records the test null sink's monitor with parec while it lives: what the
// paced device actually played, as interleaved 16-bit stereo frames.
#pragma once

#include <cstdint>
#include <filesystem>
#include <sys/types.h>
#include <vector>

namespace playbacktest {

class MonitorRecording {
public:
    // Starts parec and returns once it delivers audio.
    explicit MonitorRecording(const std::filesystem::path& file);
    ~MonitorRecording();
    MonitorRecording(const MonitorRecording&) = delete;
    MonitorRecording& operator=(const MonitorRecording&) = delete;

    // Stops parec (SIGINT) and returns the recorded samples.
    std::vector<int16_t> stop();

private:
    std::filesystem::path m_file;
    pid_t m_pid = -1;
};

}  // namespace playbacktest
