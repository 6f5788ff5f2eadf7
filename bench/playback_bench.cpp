// Playback on a device paced in real time (the PulseAudio null sink of
// scripts/start-audio.sh): how long a stop takes to reach its final report,
// and how much CPU the worker uses while it plays, beside aplay playing the
// same file on the same device.
//
//   scripts/start-audio.sh && build/bin/bench_playback
#include <algorithm>
#include <atomic>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <functional>
#include <random>
#include <spawn.h>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <thread>
#include <vector>

#include "welvox.h"

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;

double threadCpuSeconds() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return double(t.tv_sec) + double(t.tv_nsec) / 1e9;
}

double seconds(const timeval& t) { return double(t.tv_sec) + double(t.tv_usec) / 1e6; }

// What the worker reports, with the time of the final report and the CPU
// time the worker thread had used at its first and final reports.
struct Reports {
    std::atomic<int> count{0};
    std::atomic<int32_t> last{0};
    std::atomic<Clock::rep> endTime{0};
    std::atomic<double> cpuAtFirst{0}, cpuAtEnd{0};
} g_reports;

int32_t onReport(int32_t position) {
    if (position < 0) {
        g_reports.cpuAtEnd = threadCpuSeconds();
        g_reports.endTime = Clock::now().time_since_epoch().count();
    } else if (g_reports.count == 0) {
        g_reports.cpuAtFirst = threadCpuSeconds();
    }
    g_reports.last = position;
    ++g_reports.count;
    return 0;
}

void resetReports() {
    g_reports.count = 0;
    g_reports.last = 0;
    g_reports.endTime = 0;
}

// Looks every `interval`; the times measured are taken in the callback, so
// a coarse interval only keeps this thread's own CPU use out of the figures.
bool waitFor(const std::function<bool()>& done, std::chrono::seconds timeout,
             std::chrono::milliseconds interval = std::chrono::milliseconds(1)) {
    const auto deadline = Clock::now() + timeout;
    while (!done()) {
        if (Clock::now() > deadline) return false;
        std::this_thread::sleep_for(interval);
    }
    return true;
}

void putLe(std::ofstream& out, uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) out.put(char(value >> (8 * i)));
}

// A 44.1 kHz 16-bit stereo WAV of a quiet tone.
void writeTone(const std::filesystem::path& path, int seconds) {
    const uint32_t frames = uint32_t(seconds) * 44100, dataBytes = frames * 4;
    std::ofstream out(path, std::ios::binary);
    out.write("RIFF", 4);
    putLe(out, 36 + dataBytes, 4);
    out.write("WAVEfmt ", 8);
    putLe(out, 16, 4);
    putLe(out, 1, 2);
    putLe(out, 2, 2);
    putLe(out, 44100, 4);
    putLe(out, 176400, 4);
    putLe(out, 4, 2);
    putLe(out, 16, 2);
    out.write("data", 4);
    putLe(out, dataBytes, 4);
    for (uint32_t k = 0; k < frames; ++k) {
        const auto s = int16_t((k % 100) * 100 - 5000);
        putLe(out, uint16_t(s), 2);
        putLe(out, uint16_t(s), 2);
    }
}

// Routes ALSA's "default" to the test daemon for this process and its
// children.
void usePacedDevice(const std::filesystem::path& home) {
    std::ofstream(home / ".asoundrc") << "pcm.!default {\n  type pulse\n}\nctl.!default {\n  type pulse\n}\n";
    setenv("HOME", home.c_str(), 1);
    const char* dir = std::getenv("SONVELLE_PULSE_DIR");
    const std::string server = std::string("unix:") + (dir ? dir : "/tmp/sonvelle-pulse") + "/native";
    setenv("PULSE_SERVER", server.c_str(), 1);
}

bool play(const TrackRecord& record) {
    resetReports();
    return Play(&record, 0, onReport) == ENGINE_SUCCESS;
}

// Nearest rank: the smallest value that at least p percent of the values
// do not exceed.
double percentile(std::vector<double> values, double p) {
    std::sort(values.begin(), values.end());
    const auto rank = size_t(std::ceil(p / 100.0 * double(values.size())));
    return values[std::clamp<size_t>(rank, 1, values.size()) - 1];
}

// The machine's load while measuring; the figures depend on it, since a
// stop waits for the sound server and the client thread to be scheduled.
std::string loadAverage() {
    std::ifstream in("/proc/loadavg");
    std::string oneMinute;
    in >> oneMinute;
    return oneMinute;
}

int stopLatency(const TrackRecord& record) {
    constexpr int kStops = 100;
    std::mt19937 random(7);
    std::vector<double> latencies;
    for (int i = 0; i < kStops; ++i) {
        if (!play(record)) return std::fprintf(stderr, "Play failed\n"), 1;
        // Stop somewhere in the first second, after the buffers are full.
        waitFor([] { return g_reports.count >= 3; }, std::chrono::seconds(10));
        std::this_thread::sleep_for(std::chrono::milliseconds(std::uniform_int_distribution<int>(0, 900)(random)));
        const Clock::time_point asked = Clock::now();
        PlayControll(&record, 0, -1);
        if (!waitFor([] { return g_reports.endTime != 0; }, std::chrono::seconds(10)))
            return std::fprintf(stderr, "no final report\n"), 1;
        const Clock::time_point ended{Clock::duration(g_reports.endTime.load())};
        latencies.push_back(std::chrono::duration<double, std::milli>(ended - asked).count());
    }
    const auto over = std::count_if(latencies.begin(), latencies.end(), [](double ms) { return ms > 10; });
    std::printf("stop latency over %d stops (PlayControll -1 to the -1 report): median %.2f ms, "
                "95th percentile %.2f ms, 99th percentile %.2f ms (target <= 10 ms), max %.2f ms, "
                "%ld above 10 ms; load average %s on %u cores\n",
                kStops, percentile(latencies, 50), percentile(latencies, 95), percentile(latencies, 99),
                *std::max_element(latencies.begin(), latencies.end()), long(over), loadAverage().c_str(),
                std::thread::hardware_concurrency());
    return 0;
}

// CPU seconds aplay used to play the file, or -1.
double aplayCpu(const std::filesystem::path& file) {
    const char* argv[] = {"aplay", "-q", file.c_str(), nullptr};
    pid_t pid = 0;
    if (posix_spawnp(&pid, "aplay", nullptr, nullptr, const_cast<char**>(argv), environ) != 0) return -1;
    int status = 0;
    rusage usage{};
    if (wait4(pid, &status, 0, &usage) != pid || !WIFEXITED(status) || WEXITSTATUS(status) != 0) return -1;
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

int workerCpu(const TrackRecord& record, const std::filesystem::path& file, int length) {
    rusage before{}, after{};
    getrusage(RUSAGE_SELF, &before);
    const Clock::time_point start = Clock::now();
    if (!play(record)) return std::fprintf(stderr, "Play failed\n"), 1;
    if (!waitFor([] { return g_reports.endTime != 0; }, std::chrono::seconds(length + 30),
                 std::chrono::milliseconds(100)))
        return std::fprintf(stderr, "no final report\n"), 1;
    const double wall = std::chrono::duration<double>(Clock::now() - start).count();
    getrusage(RUSAGE_SELF, &after);
    const double worker = g_reports.cpuAtEnd - g_reports.cpuAtFirst;
    const double process = seconds(after.ru_utime) + seconds(after.ru_stime) - seconds(before.ru_utime) -
                           seconds(before.ru_stime);
    std::printf("playing %d s (wall %.2f s): worker thread %.3f s CPU = %.2f %% of one core "
                "(target <= 2 %%); whole process incl. the PulseAudio client thread %.3f s = %.2f %%\n",
                length, wall, worker, 100 * worker / wall, process, 100 * process / wall);

    const double aplay = aplayCpu(file);
    if (aplay < 0) return std::printf("aplay: could not play the file\n"), 0;
    std::printf("aplay, same file and device: %.3f s CPU = %.2f %%; engine process / aplay = %.2f\n", aplay,
                100 * aplay / wall, process / aplay);
    return 0;
}

}  // namespace

int main() {
    const std::filesystem::path dir = std::filesystem::temp_directory_path() / "sonvelle-bench-playback";
    std::filesystem::create_directories(dir);
    usePacedDevice(dir);
    constexpr int kLength = 30;
    const std::filesystem::path file = dir / "tone.wav";
    writeTone(file, kLength);
    TrackRecord record{};
    if (FileOpen(file.c_str(), &record, 80, 1, nullptr) != ENGINE_SUCCESS)
        return std::fprintf(stderr, "FileOpen failed\n"), 1;
    const std::string path = file.string();
    record.path = path.c_str();

    const int result = stopLatency(record) || workerCpu(record, file, kLength);
    std::filesystem::remove_all(dir);
    return result;
}
