// Side-by-side timing of the conversion route on the files people keep,
// against the tools a user would otherwise reach for, on 10-minute files in
// the page cache: a 44.1 kHz AAC .m4a beside `ffmpeg -i IN -f wav OUT`, and
// a 48 kHz Opus file beside ffmpeg piped into `sox ... rate -v 44100` (the
// decoder's floats handed over as they are; sox dithers to 16 bits as the
// route does). Then the route's peak memory for a
// 1-minute and a 10-minute .m4a, each converted in a process of its own,
// which should not grow with the file. Prints medians and ratios of the
// elapsed and the processor time; asserts nothing.
#include "audio_conversion.h"
#include "median.h"

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

namespace {

constexpr int Runs = 5;

void shell(const std::string& command)
{
    if (std::system(command.c_str()) != 0) {
        std::fprintf(stderr, "command failed: %s\n", command.c_str());
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

// The processor time, user and system, of this process and of its ended
// children, in milliseconds.
double processorMilliseconds()
{
    double total = 0;
    for (const int who : {RUSAGE_SELF, RUSAGE_CHILDREN}) {
        rusage usage{};
        getrusage(who, &usage);
        for (const timeval& t : {usage.ru_utime, usage.ru_stime})
            total += double(t.tv_sec) * 1000.0 + double(t.tv_usec) / 1000.0;
    }
    return total;
}

// Elapsed and processor time of one run: on a machine other work shares,
// the elapsed time follows the others' load and the processor time does
// not, while a pipeline of two processes gains on two idle cores only in
// the elapsed time.
struct Timing {
    double elapsed = 0;
    double processor = 0;
};

Timing timingOf(const std::function<void()>& work)
{
    const double processor = processorMilliseconds();
    const auto start = Clock::now();
    work();
    return {std::chrono::duration<double, std::milli>(Clock::now() - start).count(), processorMilliseconds() - processor};
}

// The two contenders in turn, Runs rounds, so that a change in the
// machine's load falls on both alike; returns their medians.
std::pair<Timing, Timing> medians(const std::function<void()>& ours, const std::function<void()>& theirs)
{
    std::vector<double> oursElapsed, oursProcessor, theirsElapsed, theirsProcessor;
    for (int round = 0; round < Runs; ++round) {
        const Timing a = timingOf(ours);
        const Timing b = timingOf(theirs);
        oursElapsed.push_back(a.elapsed);
        oursProcessor.push_back(a.processor);
        theirsElapsed.push_back(b.elapsed);
        theirsProcessor.push_back(b.processor);
    }
    return {{median(oursElapsed), median(oursProcessor)}, {median(theirsElapsed), median(theirsProcessor)}};
}

// The peak resident memory, in MiB, of a process that converts source.
double peakMemoryOfConverting(const fs::path& source, const fs::path& destination)
{
    std::fflush(stdout);
    const pid_t child = fork();
    if (child == 0) {
        convert(source, destination);
        _exit(0);
    }
    int status = 0;
    rusage usage{};
    if (wait4(child, &status, 0, &usage) != child || !WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        std::fprintf(stderr, "conversion process failed: %s\n", source.c_str());
        std::exit(1);
    }
    return double(usage.ru_maxrss) / 1024.0;
}

void report(const char* title, const char* theirsName, const Timing& ours, const Timing& theirs, double goal)
{
    std::printf("%s (medians of %d; elapsed, processor)\n", title, Runs);
    std::printf("  convertToCdWav                 %8.0f ms %8.0f ms\n", ours.elapsed, ours.processor);
    std::printf("  %-30s %8.0f ms %8.0f ms\n", theirsName, theirs.elapsed, theirs.processor);
    std::printf("  ratio                          %8.2f    %8.2f      (goal <= %.2f)\n\n", ours.elapsed / theirs.elapsed,
                ours.processor / theirs.processor, goal);
}

}  // namespace

int main()
{
    const fs::path folder = fs::temp_directory_path() / ("sonvelle-media-bench-" + std::to_string(getpid()));
    fs::create_directories(folder);
    const auto in = [&](const char* name) { return "'" + (folder / name).string() + "'"; };
    const std::string ffmpeg = "ffmpeg -nostdin -v error -y ";
    // Music-like sources: pink noise with a tone, made once.
    for (const auto& [name, rate, seconds] : {std::tuple{"cd.wav", 44100, 600}, std::tuple{"short.wav", 44100, 60},
                                              std::tuple{"fullband.wav", 48000, 600}}) {
        shell(ffmpeg + "-f lavfi -i anoisesrc=c=pink:a=0.2:r=" + std::to_string(rate) + ":d=" + std::to_string(seconds) +
              " -f lavfi -i sine=f=440:r=" + std::to_string(rate) + ":d=" + std::to_string(seconds) +
              " -filter_complex amix=inputs=2,aformat=channel_layouts=stereo " + in(name));
    }
    shell(ffmpeg + "-i " + in("cd.wav") + " -c:a aac -b:a 256k " + in("album.m4a"));
    shell(ffmpeg + "-i " + in("short.wav") + " -c:a aac -b:a 256k " + in("short.m4a"));
    shell(ffmpeg + "-i " + in("fullband.wav") + " -c:a libopus -b:a 160k " + in("voice.opus"));
    const fs::path ours = folder / "ours.wav";
    // One untimed pass of each brings the sources into the page cache.
    convert(folder / "album.m4a", ours);
    convert(folder / "voice.opus", ours);

    const auto [aac, ffmpegWav] = medians([&] { convert(folder / "album.m4a", ours); },
                                          [&] { shell(ffmpeg + "-i " + in("album.m4a") + " -f wav " + in("theirs.wav")); });
    report("10-minute 44.1 kHz AAC .m4a to a CD WAV", "ffmpeg -i IN -f wav OUT", aac, ffmpegWav, 1.15);

    const auto [opus, soxRate] = medians([&] { convert(folder / "voice.opus", ours); }, [&] {
        shell(ffmpeg + "-i " + in("voice.opus") + " -f f32le - | sox -t f32 -r 48000 -c 2 - -b 16 " + in("theirs.wav") +
              " rate -v 44100");
    });
    report("10-minute 48 kHz Opus to a CD WAV", "ffmpeg | sox rate -v 44100", opus, soxRate, 1.0);

    const double shortPeak = peakMemoryOfConverting(folder / "short.m4a", ours);
    const double longPeak = peakMemoryOfConverting(folder / "album.m4a", ours);
    std::printf("Peak memory of a conversion process\n");
    std::printf("  1-minute .m4a                  %8.1f MiB\n", shortPeak);
    std::printf("  10-minute .m4a                 %8.1f MiB\n", longPeak);
    std::printf("  ratio 10 min / 1 min           %8.2f   (goal: flat, near 1)\n", longPeak / shortPeak);

    fs::remove_all(folder);
    return 0;
}
