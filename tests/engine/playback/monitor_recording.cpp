#include "monitor_recording.h"

#include <chrono>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <spawn.h>
#include <stdexcept>
#include <string>
#include <sys/wait.h>
#include <thread>

#include "audio_home.h"
#include "wav_builder.h"

extern char** environ;

namespace playbacktest {

MonitorRecording::MonitorRecording(const std::filesystem::path& file) : m_file(file) {
    const std::string device = "--device=" + pulseSink() + ".monitor";
    const std::string server = "--server=" + pulseServer();
    const char* argv[] = {"parec",        server.c_str(),    device.c_str(), "--raw", "--format=s16le",
                          "--rate=44100", "--channels=2",    "--latency-msec=10",    nullptr};
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, m_file.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    const int error = posix_spawnp(&m_pid, "parec", &actions, nullptr, const_cast<char**>(argv), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (error != 0) throw std::runtime_error(std::string("parec: ") + std::strerror(error));

    // The sink plays silence all the time, so parec's output grows as soon
    // as it records.
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    std::error_code ignored;
    while (std::filesystem::file_size(m_file, ignored) == 0 || ignored) {
        if (std::chrono::steady_clock::now() > deadline) throw std::runtime_error("parec records nothing");
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
}

MonitorRecording::~MonitorRecording() {
    if (m_pid > 0) stop();
}

std::vector<int16_t> MonitorRecording::stop() {
    kill(m_pid, SIGINT);
    int status = 0;
    waitpid(m_pid, &status, 0);
    m_pid = -1;
    const std::vector<uint8_t> bytes = testsupport::readFile(m_file);
    std::vector<int16_t> samples(bytes.size() / 4 * 2);
    std::memcpy(samples.data(), bytes.data(), samples.size() * 2);
    return samples;
}

}  // namespace playbacktest
