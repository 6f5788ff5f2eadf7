// Side-by-side timing of the engine's analysis and saving against the
// commands a user would otherwise reach for, on one generated 10-minute
// stereo WAV in the page cache. Prints medians and ratios; asserts nothing.
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "welvox.h"

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

namespace {

constexpr int kRuns = 11;
constexpr int32_t kBytesPerSecond = 176400;

// A WAV of the given length filled with noise, so that no block is trivial.
void writeNoiseWav(const fs::path& path, int seconds) {
    const uint32_t dataBytes = uint32_t(seconds) * kBytesPerSecond;
    const uint8_t header[44] = {'R', 'I', 'F', 'F', 0, 0, 0, 0, 'W', 'A', 'V', 'E', 'f', 'm', 't', ' ',
                                16, 0, 0, 0, 1, 0, 2, 0, 0x44, 0xAC, 0, 0, 0x10, 0xB1, 2, 0, 4, 0, 16, 0,
                                'd', 'a', 't', 'a', 0, 0, 0, 0};
    std::vector<uint8_t> h(header, header + 44);
    const uint32_t riff = dataBytes + 36;
    for (int i = 0; i < 4; ++i) {
        h[4 + i] = uint8_t(riff >> (8 * i));
        h[40 + i] = uint8_t(dataBytes >> (8 * i));
    }
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(h.data()), 44);
    std::vector<int16_t> block(1 << 16);
    uint32_t x = 12345;
    for (uint32_t written = 0; written < dataBytes; written += block.size() * 2) {
        for (auto& s : block) {
            x ^= x << 13;
            x ^= x >> 17;
            x ^= x << 5;
            s = int16_t(int(x % 40001) - 20000);
        }
        const size_t n = std::min<size_t>(block.size() * 2, dataBytes - written);
        out.write(reinterpret_cast<const char*>(block.data()), std::streamsize(n));
    }
}

double millisecondsOf(const std::function<void()>& work) {
    const auto start = Clock::now();
    work();
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// Runs a command with its output discarded (or sent to outputFile).
void runCommand(const std::vector<std::string>& argv, const std::string& outputFile = "/dev/null") {
    std::fflush(stdout);
    const pid_t child = fork();
    if (child == 0) {
        if (!freopen(outputFile.c_str(), "w", stdout) || !freopen("/dev/null", "w", stderr)) _exit(127);
        std::vector<char*> args;
        for (const auto& a : argv) args.push_back(const_cast<char*>(a.c_str()));
        args.push_back(nullptr);
        execvp(args[0], args.data());
        _exit(127);
    }
    int status = 0;
    waitpid(child, &status, 0);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        std::fprintf(stderr, "command failed: %s\n", argv[0].c_str());
        std::exit(1);
    }
}

struct Contender {
    std::function<void()> work;
    std::function<void()> before = [] {};  // untimed, ahead of each run
};

// Runs the contenders in turn, kRuns rounds, so that a change in the
// machine's load falls on all of them alike; returns each one's median.
std::vector<double> medians(const std::vector<Contender>& contenders) {
    std::vector<std::vector<double>> times(contenders.size());
    for (int round = 0; round < kRuns; ++round)
        for (size_t i = 0; i < contenders.size(); ++i) {
            contenders[i].before();
            times[i].push_back(millisecondsOf(contenders[i].work));
        }
    std::vector<double> result;
    for (auto& t : times) {
        std::sort(t.begin(), t.end());
        result.push_back(t[kRuns / 2]);
    }
    return result;
}

TrackRecord analyse(const std::string& path) {
    TrackRecord r{};
    r.path = path.c_str();
    if (FileOpen(path.c_str(), &r, 80, -1, nullptr) != ENGINE_SUCCESS) {
        std::fprintf(stderr, "FileOpen failed on %s\n", path.c_str());
        std::exit(1);
    }
    return r;
}

// Level 50 and five-second fades at both ends, with the default curves.
TrackRecord withEdits(TrackRecord r) {
    const int32_t fade = 5 * kBytesPerSecond;
    r.levelPercent = 50;
    r.preDigitalMute = 0;
    r.fadeInEnd = r.fadeInBytes = fade;
    r.fadeInCurve = 0.6f;
    r.postDigitalMute = r.dataBytes;
    r.fadeOutStart = r.dataBytes - fade;
    r.fadeOutBytes = fade;
    r.fadeOutCurve = 1.8f;
    return r;
}

// Peak resident memory of a child process that analyses and saves the file.
long peakKilobytesForOpenAndSave(const std::string& path, const std::string& copy) {
    std::fflush(stdout);
    const pid_t child = fork();
    if (child == 0) {
        TrackRecord r = withEdits(analyse(path));
        _exit(FileSave(copy.c_str(), &r, 1, nullptr) == ENGINE_SUCCESS ? 0 : 1);
    }
    int status = 0;
    rusage usage{};
    wait4(child, &status, 0, &usage);
    fs::remove(copy);
    return usage.ru_maxrss;
}

void report(const char* what, double ms) { std::printf("  %-44s %9.1f ms\n", what, ms); }

void ratio(const char* what, double value, const char* goal) {
    std::printf("  %-44s %9.2f   (goal %s)\n", what, value, goal);
}

}  // namespace

int main(int argc, char** argv) {
    const fs::path dir = argc > 1 ? fs::path(argv[1]) : fs::temp_directory_path() / "sonvelle-bench";
    fs::create_directories(dir);
    const std::string file = (dir / "ten-minutes.wav").string();
    const std::string shortFile = (dir / "one-minute.wav").string();
    const std::string copy = (dir / "copy.wav").string();
    const std::string soxOut = (dir / "sox-out.wav").string();
    writeNoiseWav(file, 600);
    writeNoiseWav(shortFile, 60);
    runCommand({"cat", file});  // into the page cache

    std::printf("10-minute stereo WAV, %lld data bytes, median of %d runs\n\n",
                (long long)(fs::file_size(file) - 44), kRuns);

    std::printf("Analysis\n");
    const auto analysis = medians({{[&] { analyse(file); }},
                                   {[&] { runCommand({"cat", file}); }},
                                   {[&] { runCommand({"sox", file, "-n", "stats"}); }}});
    const double open = analysis[0], cat = analysis[1], soxStats = analysis[2];
    report("FileOpen with the peak scan", open);
    report("cat FILE >/dev/null", cat);
    report("sox FILE -n stats", soxStats);
    ratio("FileOpen / cat", open / cat, "<= 2");
    ratio("sox stats / FileOpen", soxStats / open, ">= 8");

    std::printf("\nSaving a copy with level 50 and 5-second fades\n");
    const TrackRecord edited = withEdits(analyse(file));
    const auto removeCopy = [&] { fs::remove(copy); };
    const auto saving = medians(
        {{[&] {
              TrackRecord r = edited;
              FileSave(copy.c_str(), &r, 1, nullptr);
          },
          removeCopy},
         {[&] { runCommand({"dd", "if=" + file, "of=" + copy, "bs=64k"}); }, removeCopy},
         {[&] { runCommand({"sox", "-D", file, soxOut, "vol", "0.5", "fade", "t", "5", "600", "5"}); },
          [&] { fs::remove(soxOut); }}});
    const double save = saving[0], dd = saving[1], soxSave = saving[2];
    report("FileSave as a copy", save);
    report("dd if=FILE of=COPY bs=64k", dd);
    report("sox -D FILE OUT vol 0.5 fade t 5 600 5", soxSave);
    ratio("FileSave / dd", save / dd, "<= 1.2");
    ratio("sox / FileSave", soxSave / save, ">= 3");

    std::printf("\nPeak resident memory of FileOpen + FileSave in a fresh process\n");
    const long small = peakKilobytesForOpenAndSave(shortFile, copy);
    const long large = peakKilobytesForOpenAndSave(file, copy);
    std::printf("  %-44s %9ld KiB\n  %-44s %9ld KiB\n", "1-minute file", small, "10-minute file", large);
    ratio("10-minute / 1-minute", double(large) / double(small), "about 1: no growth with the file");

    fs::remove_all(dir);
    return 0;
}
