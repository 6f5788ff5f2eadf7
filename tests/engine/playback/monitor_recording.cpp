#include "monitor_recording.h"

#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <stdexcept>
#include <string>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

#include "audio_home.h"
#include "wav_builder.h"

namespace playbacktest {

MonitorRecording::MonitorRecording(const std::filesystem::path& file) : m_file(file) {
    const std::string device = "--device=" + pulseSink() + ".monitor";
    const std::string server = "--server=" + pulseServer();
    const char* argv[] = {"parec",        server.c_str(),    device.c_str(), "--raw", "--format=s16le",
                          "--rate=44100", "--channels=2",    "--latency-msec=10",    nullptr};
    // parec ends with the test process however that ends (a sanitizer stops
    // a process without unwinding), and holds none of the test runner's
    // pipes, which would keep the runner waiting for it.
    m_pid = fork();
    if (m_pid == 0) {
        prctl(PR_SET_PDEATHSIG, SIGKILL);
        const int out = open(m_file.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        const int null = open("/dev/null", O_WRONLY);
        dup2(out, 1);
        dup2(null, 2);
        execvp("parec", const_cast<char**>(argv));
        _exit(127);
    }
    if (m_pid < 0) throw std::runtime_error(std::string("parec: ") + std::strerror(errno));

    // The sink plays silence all the time, so parec's output grows as soon
    // as it records.
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    std::error_code ignored;
    while (std::filesystem::file_size(m_file, ignored) == 0 || ignored) {
        if (std::chrono::steady_clock::now() > deadline) {
            stop();
            throw std::runtime_error("parec records nothing");
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
}

MonitorRecording::~MonitorRecording() {
    if (m_pid > 0) stop();
}

bool MonitorRecording::recordMore(size_t frames) const {
    std::error_code ignored;
    const uintmax_t wanted = std::filesystem::file_size(m_file, ignored) + frames * 4;
    // The bound only ends a hang: ten times the frames' playing time, and
    // ten seconds more.
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10 + 10 * frames / 44100);
    while (std::filesystem::file_size(m_file, ignored) < wanted || ignored) {
        if (std::chrono::steady_clock::now() > deadline) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return true;
}

std::vector<int16_t> MonitorRecording::stop() {
    kill(m_pid, SIGINT);
    int status = 0;
    waitpid(m_pid, &status, 0);
    m_pid = -1;
    return soFar();
}

std::vector<int16_t> MonitorRecording::soFar() const {
    const std::vector<uint8_t> bytes = testsupport::readFile(m_file);
    std::vector<int16_t> samples(bytes.size() / 4 * 2);
    std::memcpy(samples.data(), bytes.data(), samples.size() * 2);
    return samples;
}

}  // namespace playbacktest
