// The decoder library alone, on MP3 files made with lame: the WAV files it
// writes, gapless lengths, bad input, a stop in the middle, its exports.
#include "file_size_limit.h"
#include "mp3_encoder.h"
#include "temp_dir.h"
#include "vbmp3.h"
#include "wav_builder.h"
#include "welvox.h"

#include <gtest/gtest.h>

#include <array>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <random>
#include <set>
#include <string>
#include <thread>

using namespace testsupport;

namespace {

int32_t keepGoing(int32_t)
{
    return 0;
}

// Runs a whole decode of mp3 into wav. The frames reported, or -1 when the
// file did not open, -2 when decoding did not start.
int32_t decode(const std::filesystem::path& mp3, const std::filesystem::path& wav, VBMP3_INFORMATION* info = nullptr)
{
    VBMP3_INFORMATION local{};
    VBMP3_INFORMATION& filled = info != nullptr ? *info : local;
    vbmp3_init();
    int32_t frames = -1;
    if (vbmp3_open(mp3.c_str(), &filled) == 0) {
    } else if (vbmp3_decodeWave(wav.c_str()) == 0) {
        frames = -2;
    } else {
        int32_t position = 0;
        while (vbmp3_getState(&position) != 0)
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        frames = vbmp3_getPlaySamples();
    }
    vbmp3_close();
    vbmp3_free();
    return frames;
}

int32_t analyse(const std::filesystem::path& wav)
{
    TrackRecord record{};
    return FileOpen(wav.c_str(), &record, 80, -1, keepGoing);
}

struct LayoutRow {
    const char* name;
    Mp3Layout layout;
};

void PrintTo(const LayoutRow& row, std::ostream* out)
{
    *out << row.name;
}

class EveryLayout : public testing::TestWithParam<LayoutRow> {};

}  // namespace

TEST_P(EveryLayout, WritesAWavTheEngineAccepts)
{
    const Mp3Layout& layout = GetParam().layout;
    TempDir folder;
    const size_t frames = layout.sampleRate * 2 + 123;
    writeMp3(folder / "in.mp3", mp3Signal(frames, layout.channels), layout);

    VBMP3_INFORMATION info{};
    const int32_t decoded = decode(folder / "in.mp3", folder / "out.wav", &info);
    EXPECT_EQ(analyse(folder / "out.wav"), ENGINE_SUCCESS);
    EXPECT_EQ(std::filesystem::file_size(folder / "out.wav"), 44 + 4 * uint64_t(decoded));
    EXPECT_EQ(info.totalFrames, decoded);
    EXPECT_EQ(info.sampleRate, int32_t(layout.sampleRate));
    EXPECT_EQ(info.channels, layout.channels);
    EXPECT_EQ(info.gapless, layout.infoTag ? 1 : 0);

    // With the info tag the decoded length is the original's duration at
    // 44.1 kHz, to the nearest frame; without it the encoder's delay and
    // padding stay, less than 3 frames of 1,152 samples.
    const double expected = double(frames) * 44100.0 / layout.sampleRate;
    if (layout.infoTag) {
        EXPECT_NEAR(decoded, expected, 0.5);
    } else {
        EXPECT_GT(decoded, expected);
        EXPECT_LT(decoded, expected + 3 * 1152 * 44100.0 / layout.sampleRate);
    }

    if (layout.channels == 1) {
        const std::vector<uint8_t> bytes = readFile(folder / "out.wav");
        for (size_t at = 44; at + 4 <= bytes.size(); at += 4)
            ASSERT_TRUE(bytes[at] == bytes[at + 2] && bytes[at + 1] == bytes[at + 3]) << "frame at " << at;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Layouts, EveryLayout,
    testing::Values(LayoutRow{"stereo44", {2, 44100, true}}, LayoutRow{"mono44", {1, 44100, true}},
                    LayoutRow{"stereo48", {2, 48000, true}}, LayoutRow{"mono48", {1, 48000, true}},
                    LayoutRow{"stereo44NoTag", {2, 44100, false}}, LayoutRow{"mono48NoTag", {1, 48000, false}}),
    [](const testing::TestParamInfo<LayoutRow>& row) { return std::string(row.param.name); });

namespace {

// The left channel of the WAV file's middle 8,192 frames under a
// Blackman-Nuttall window, whose side lobes lie below -98 dB.
std::vector<double> windowedMiddle(const std::vector<uint8_t>& wav)
{
    constexpr size_t N = 8192;
    const size_t first = ((wav.size() - 44) / 4 - N) / 2;
    std::vector<double> x(N);
    for (size_t i = 0; i < N; ++i) {
        const size_t at = 44 + 4 * (first + i);
        const double w = 2 * M_PI * double(i) / double(N - 1);
        x[i] = (0.3635819 - 0.4891775 * std::cos(w) + 0.1365995 * std::cos(2 * w) - 0.0106411 * std::cos(3 * w)) *
               double(int16_t(wav[at] | wav[at + 1] << 8));
    }
    return x;
}

// The level in dB at hertz (Goertzel's single-frequency transform).
double levelDb(const std::vector<double>& x, double hertz)
{
    const double coefficient = 2 * std::cos(2 * M_PI * hertz / 44100.0);
    double s1 = 0, s2 = 0;
    for (const double value : x) {
        const double s = value + coefficient * s1 - s2;
        s2 = s1;
        s1 = s;
    }
    return 10 * std::log10(s1 * s1 + s2 * s2 - coefficient * s1 * s2 + 1e-30);
}

struct ToneRow {
    uint32_t rate;
    double hertz;
};

void PrintTo(const ToneRow& row, std::ostream* out)
{
    *out << row.hertz << " Hz at " << row.rate << " Hz";
}

class ResampledTone : public testing::TestWithParam<ToneRow> {};

}  // namespace

// A sine in an MP3 file at another rate comes out at 44.1 kHz with nothing
// else above -90 dB relative to it: no image, no alias, no distortion.
TEST_P(ResampledTone, HasNoSpuriousComponent)
{
    const ToneRow& row = GetParam();
    TempDir folder;
    // Dithered, so that rounding adds no harmonics of its own.
    std::mt19937 random(1);
    std::uniform_real_distribution<double> lsb(-0.5, 0.5);
    std::vector<int16_t> sine(2 * row.rate * 3);
    for (size_t i = 0; i < sine.size(); ++i) {
        const double value = 11500 * std::sin(2 * M_PI * row.hertz * double(i / 2) / row.rate);
        sine[i] = int16_t(std::lround(value + lsb(random) + lsb(random)));
    }
    // lame's own low-pass would take a 19 kHz tone away.
    writeMp3(folder / "tone.mp3", sine, {2, row.rate, true, 21});
    ASSERT_GT(decode(folder / "tone.mp3", folder / "tone.wav"), 0);

    // Every 5 Hz, well inside the window's main lobe of ±21 Hz, away from
    // the tone's own.
    const std::vector<double> x = windowedMiddle(readFile(folder / "tone.wav"));
    const double tone = levelDb(x, row.hertz);
    for (double hertz = 5; hertz < 22050; hertz += 5) {
        if (std::abs(hertz - row.hertz) > 60) {
            ASSERT_LT(levelDb(x, hertz) - tone, -90.0) << "at " << hertz << " Hz";
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Tones, ResampledTone,
                         testing::Values(ToneRow{48000, 9000}, ToneRow{48000, 19000}, ToneRow{32000, 13000}),
                         [](const testing::TestParamInfo<ToneRow>& row) {
                             return std::to_string(int(row.param.hertz)) + "HzAt" + std::to_string(row.param.rate);
                         });

TEST(Vbmp3, RefusesFilesThatHoldNoMpegAudio)
{
    TempDir folder;
    writeFile(folder / "empty.mp3", {});
    writeFile(folder / "text.mp3", std::vector<uint8_t>(3000, 'a'));
    writeFile(folder / "wave.mp3", makeWav(noise(88200)));
    std::filesystem::create_directory(folder / "folder.mp3");
    for (const char* name : {"empty.mp3", "text.mp3", "wave.mp3", "folder.mp3", "missing.mp3"}) {
        VBMP3_INFORMATION info{};
        info.totalFrames = 99;
        EXPECT_EQ(decode(folder / name, folder / "out.wav", &info), -1) << name;
        EXPECT_EQ(info.totalFrames, 0) << name;
        EXPECT_FALSE(std::filesystem::exists(folder / "out.wav")) << name;
    }
}

TEST(Vbmp3, DamagedFilesGiveWhatCanBeDecoded)
{
    TempDir folder;
    const size_t frames = 44100 * 3;
    writeMp3(folder / "whole.mp3", mp3Signal(frames, 2));
    std::vector<uint8_t> bytes = readFile(folder / "whole.mp3");
    writeFile(folder / "truncated.mp3", slice(bytes, 0, bytes.size() / 2));
    for (size_t at = bytes.size() / 3; at < bytes.size() / 3 + 2000; ++at)
        bytes[at] = uint8_t(at * 7);
    writeFile(folder / "corrupt.mp3", bytes);

    const int32_t truncated = decode(folder / "truncated.mp3", folder / "truncated.wav");
    EXPECT_EQ(analyse(folder / "truncated.wav"), ENGINE_SUCCESS);
    EXPECT_GT(truncated, int32_t(frames / 3));
    EXPECT_LT(truncated, int32_t(frames * 2 / 3));

    const int32_t corrupt = decode(folder / "corrupt.mp3", folder / "corrupt.wav");
    EXPECT_EQ(analyse(folder / "corrupt.wav"), ENGINE_SUCCESS);
    EXPECT_GT(corrupt, int32_t(frames * 9 / 10));
}

TEST(Vbmp3, OutputThatCannotBeWritten)
{
    TempDir folder;
    writeMp3(folder / "in.mp3", mp3Signal(44100, 2));
    // A directory that is not there: decoding does not start.
    EXPECT_EQ(decode(folder / "in.mp3", folder / "gone" / "out.wav"), -2);
    // A device that is always full: the decode ends all the same.
    EXPECT_GT(decode(folder / "in.mp3", "/dev/full"), 0);
    // A disk that fills up (here: no file may grow beyond 64 kB): the decode
    // ends, and the output is shorter than the frames decoded, which tells
    // the caller.
    const int32_t frames = [&] {
        const testsupport::FileSizeLimit full(65536);
        return decode(folder / "in.mp3", folder / "out.wav");
    }();
    EXPECT_GT(frames, 0);
    EXPECT_LT(std::filesystem::file_size(folder / "out.wav"), 4 * uint64_t(frames));
}

TEST(Vbmp3, CloseStopsTheDecodeInTheMiddle)
{
    TempDir folder;
    writeMp3(folder / "long.mp3", mp3Signal(44100 * 60, 2));
    VBMP3_INFORMATION info{};
    vbmp3_init();
    ASSERT_NE(vbmp3_open((folder / "long.mp3").c_str(), &info), 0);
    ASSERT_NE(vbmp3_decodeWave((folder / "long.wav").c_str()), 0);
    vbmp3_close();
    int32_t position = -1;
    EXPECT_EQ(vbmp3_getState(&position), 0);
    EXPECT_LT(vbmp3_getPlaySamples(), info.totalFrames / 2);
    // The file is left as it was when stopped: the caller deletes it.
    EXPECT_TRUE(std::filesystem::exists(folder / "long.wav"));
    vbmp3_free();
}

TEST(Vbmp3, ExportsOnlyTheSevenFunctions)
{
    const std::string command = std::string("nm -D --defined-only '") + VBMP3_LIBRARY + "'";
    FILE* pipe = popen(command.c_str(), "r");
    ASSERT_NE(pipe, nullptr);
    std::set<std::string> names;
    std::array<char, 512> line{};
    while (std::fgets(line.data(), line.size(), pipe) != nullptr) {
        std::string text(line.data());
        text.erase(text.find_last_not_of("\n") + 1);
        names.insert(text.substr(text.rfind(' ') + 1));
    }
    pclose(pipe);
    EXPECT_EQ(names, (std::set<std::string>{"vbmp3_init", "vbmp3_free", "vbmp3_open", "vbmp3_decodeWave",
                                            "vbmp3_getState", "vbmp3_getPlaySamples", "vbmp3_close"}));
}
