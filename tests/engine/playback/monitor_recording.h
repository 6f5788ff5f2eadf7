// Records the test null sink's monitor with parec while it lives: what the
// paced device actually played, as interleaved 16-bit stereo frames.
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <sys/types.h>
#include <vector>

namespace playbacktest {

// What the sink may still play after the engine's final report: the
// engine's output ring of 16,384 frames, and the sink's latency.
constexpr size_t kSinkTailFrames = 22050;

class MonitorRecording {
public:
    // Starts parec and returns once it delivers audio.
    explicit MonitorRecording(const std::filesystem::path& file);
    ~MonitorRecording();
    MonitorRecording(const MonitorRecording&) = delete;
    MonitorRecording& operator=(const MonitorRecording&) = delete;

    // The samples recorded so far; parec records on.
    std::vector<int16_t> soFar() const;
    // Waits until parec has recorded `frames` more frames than it had at the
    // call. The sink plays on in real time, so what it played before the call
    // is then in the recording. False when parec stops recording.
    bool recordMore(size_t frames) const;
    // Stops parec (SIGINT) and returns the recorded samples.
    std::vector<int16_t> stop();

private:
    std::filesystem::path m_file;
    pid_t m_pid = -1;
};

}  // namespace playbacktest
