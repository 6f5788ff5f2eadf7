// Side-by-side timing of the conversion route's core against the tools a
// user would otherwise reach for, on 5-minute files in the page cache:
// resampling a 48 kHz 24-bit stereo WAV beside `sox -D ... -r 44100 -b 16`,
// and the bit-exact copy of a 44.1 kHz 16-bit WAV with a LIST chunk before
// its data beside `dd bs=64k`. Prints medians and ratios; asserts nothing.
#include "audio_conversion.h"

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

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

namespace {

constexpr int Runs = 5;
constexpr uint32_t Seconds = 300;

void putLe(std::vector<uint8_t>& bytes, uint32_t value, int width)
{
    for (int i = 0; i < width; ++i)
        bytes.push_back(uint8_t(value >> (8 * i)));
}

void putTag(std::vector<uint8_t>& bytes, const char* tag)
{
    bytes.insert(bytes.end(), tag, tag + 4);
}

// A 44.1 kHz 16-bit stereo WAV of noise whose data follows a LIST chunk,
// which the engine's header check refuses.
void writeListedWav(const fs::path& path)
{
    const uint32_t dataBytes = Seconds * 176400;
    const std::string info("INFOISFT\x06\0\0\0bench\0", 18);
    std::vector<uint8_t> h;
    putTag(h, "RIFF");
    putLe(h, uint32_t(4 + 24 + 8 + info.size() + 8 + dataBytes), 4);
    putTag(h, "WAVE");
    putTag(h, "fmt ");
    for (uint32_t v : {16u, 0x00020001u, 44100u, 176400u, 0x00100004u})
        putLe(h, v, 4);
    putTag(h, "LIST");
    putLe(h, uint32_t(info.size()), 4);
    h.insert(h.end(), info.begin(), info.end());
    putTag(h, "data");
    putLe(h, dataBytes, 4);
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(h.data()), std::streamsize(h.size()));
    std::vector<int16_t> block(1 << 16);
    uint32_t x = 12345;
    for (uint32_t written = 0; written < dataBytes; written += uint32_t(block.size() * 2)) {
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

void runCommand(const std::vector<std::string>& argv)
{
    std::fflush(stdout);
    const pid_t child = fork();
    if (child == 0) {
        if (!freopen("/dev/null", "w", stdout) || !freopen("/dev/null", "w", stderr))
            _exit(127);
        std::vector<char*> args;
        for (const auto& a : argv)
            args.push_back(const_cast<char*>(a.c_str()));
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

void convert(const fs::path& source, const fs::path& destination)
{
    if (convertToCdWav(source.string(), destination.string(), {}).status != ConversionStatus::Converted) {
        std::fprintf(stderr, "conversion failed: %s\n", source.c_str());
        std::exit(1);
    }
}

double millisecondsOf(const std::function<void()>& work)
{
    const auto start = Clock::now();
    work();
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// Runs the two contenders in turn, Runs rounds, each into a fresh output, so
// that a change in the machine's load falls on both alike; returns medians.
std::pair<double, double> medians(const std::function<void()>& ours, const std::function<void()>& theirs,
                                  const fs::path& folder)
{
    std::vector<double> a, b;
    for (int round = 0; round < Runs; ++round) {
        fs::remove(folder / "ours.wav");
        a.push_back(millisecondsOf(ours));
        fs::remove(folder / "theirs.wav");
        b.push_back(millisecondsOf(theirs));
    }
    std::sort(a.begin(), a.end());
    std::sort(b.begin(), b.end());
    return {a[Runs / 2], b[Runs / 2]};
}

}  // namespace

int main()
{
    const fs::path folder = fs::temp_directory_path() / ("sonvelle-convert-bench-" + std::to_string(getpid()));
    fs::create_directories(folder);
    const fs::path hiRes = folder / "hires.wav";
    const fs::path listed = folder / "listed.wav";
    runCommand({"sox", "-n", "-r", "48000", "-b", "24", "-c", "2", hiRes.string(), "synth", std::to_string(Seconds),
                "pinknoise", "vol", "0.5"});
    writeListedWav(listed);
    const std::string ours = (folder / "ours.wav").string();
    const std::string theirs = (folder / "theirs.wav").string();
    // One untimed pass of each brings both sources into the page cache.
    convert(hiRes, ours);
    convert(listed, ours);

    const auto [resample, sox] = medians([&] { convert(hiRes, ours); },
                                         [&] {
                                             runCommand({"sox", "-D", hiRes.string(), "-r", "44100", "-b", "16",
                                                         theirs});
                                         },
                                         folder);
    std::printf("5-minute 48 kHz 24-bit stereo to 44.1 kHz 16-bit (medians of %d)\n", Runs);
    std::printf("  convertToCdWav           %8.0f ms\n", resample);
    std::printf("  sox -D -r 44100 -b 16    %8.0f ms\n", sox);
    std::printf("  ratio convert / sox      %8.2f   (goal <= 1.2)\n\n", resample / sox);

    const auto [copy, dd] = medians([&] { convert(listed, ours); },
                                    [&] {
                                        runCommand({"dd", "if=" + listed.string(), "of=" + theirs, "bs=64k"});
                                    },
                                    folder);
    std::printf("5-minute 44.1 kHz 16-bit stereo with a LIST chunk, bit-exact copy (medians of %d)\n", Runs);
    std::printf("  convertToCdWav           %8.0f ms\n", copy);
    std::printf("  dd bs=64k                %8.0f ms\n", dd);
    std::printf("  ratio convert / dd       %8.2f   (goal <= 1.5)\n", copy / dd);

    fs::remove_all(folder);
    return 0;
}
