// Converting real files of other layouts, rates, word lengths and
// containers, made at test time by sox or built here, into WAV files that
// the engine's own analysis accepts.
#include "audio_conversion.h"
#include "temp_dir.h"
#include "wav_builder.h"
#include "welvox.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>

using namespace testsupport;
namespace fs = std::filesystem;

namespace {

// Runs sox to make a fixture of the given format from the given effects.
fs::path soxFixture(const TempDir& folder, const std::string& name, const std::string& format,
                    const std::string& effects)
{
    const fs::path path = folder / name;
    const std::string command = "sox -n " + format + " '" + path.string() + "' " + effects + " 2>/dev/null";
    EXPECT_EQ(std::system(command.c_str()), 0) << command;
    return path;
}

int32_t analyse(const fs::path& path)
{
    TrackRecord record{};
    return FileOpen(path.c_str(), &record, 80, -1, nullptr);
}

size_t dataFrames(const fs::path& path)
{
    return (fs::file_size(path) - 44) / 4;
}

ConversionOutcome convert(const fs::path& source, const fs::path& destination,
                          const ConversionProgress& progress = {})
{
    return convertToCdWav(source.string(), destination.string(), progress);
}

struct SourceRow {
    std::string name;
    std::string soxArgs;  // the layout of 0.5 s of a sine
};

class ConvertsEveryReadableLayout : public testing::TestWithParam<SourceRow> {};

}  // namespace

TEST_P(ConvertsEveryReadableLayout, ToTheSourcesDurationInCdFrames)
{
    const SourceRow& row = GetParam();
    TempDir folder;
    const fs::path source = soxFixture(folder, row.name, row.soxArgs, "synth 0.5 sine 440 vol 0.5");
    const fs::path output = folder / "out.wav";

    const ConversionOutcome outcome = convert(source, output);

    ASSERT_EQ(outcome.status, ConversionStatus::Converted);
    EXPECT_EQ(outcome.clippedSamples, 0u);
    const double expected = 0.5 * 44100;
    EXPECT_NEAR(double(dataFrames(output)), expected, 2.0);
    EXPECT_EQ(analyse(output), ENGINE_SUCCESS);
}

INSTANTIATE_TEST_SUITE_P(
    Sources, ConvertsEveryReadableLayout,
    testing::Values(SourceRow{"48k24.wav", "-r 48000 -b 24 -c 2"},
                    SourceRow{"mono.wav", "-r 44100 -b 16 -c 1"},
                    SourceRow{"float.wav", "-r 44100 -e floating-point -b 32 -c 2"},
                    SourceRow{"eight.wav", "-r 22050 -b 8 -c 1"},
                    SourceRow{"lowest.wav", "-r 8000 -b 16 -c 1"},
                    SourceRow{"highest.wav", "-r 768000 -b 24 -c 2"},
                    SourceRow{"song.flac", "-r 44100 -b 16 -c 2"},
                    SourceRow{"song.aiff", "-r 96000 -b 24 -c 2"},
                    SourceRow{"song.ogg", "-r 44100 -c 2"}),
    [](const testing::TestParamInfo<SourceRow>& info) {
        std::string name = info.param.name;
        std::replace(name.begin(), name.end(), '.', '_');
        return name;
    });

TEST(AudioConversion, CanonicalSamplesBehindAListChunkAreCopiedBitExact)
{
    TempDir folder;
    const std::vector<int16_t> samples = noise(2 * 100003, 32767);
    writeFile(folder / "listed.wav", makeWav(samples, {.listBeforeData = true}));
    ASSERT_EQ(analyse(folder / "listed.wav"), ENGINE_BAD_FORMAT);

    ASSERT_EQ(convert(folder / "listed.wav", folder / "out.wav").status, ConversionStatus::Converted);

    EXPECT_EQ(readFile(folder / "out.wav"), makeWav(samples));
}

TEST(AudioConversion, MonoIsCopiedToBothChannels)
{
    TempDir folder;
    const std::vector<int16_t> samples = noise(5000, 30000);
    writeFile(folder / "mono.wav", makeWav(samples, {.channels = 1}));

    ASSERT_EQ(convert(folder / "mono.wav", folder / "out.wav").status, ConversionStatus::Converted);

    std::vector<int16_t> stereo;
    for (int16_t s : samples)
        stereo.insert(stereo.end(), {s, s});
    EXPECT_EQ(readFile(folder / "out.wav"), makeWav(stereo));
}

TEST(AudioConversion, TheSameSourceAlwaysGivesTheSameBytes)
{
    TempDir folder;
    const fs::path source = soxFixture(folder, "in.wav", "-r 48000 -b 24 -c 2", "synth 0.3 pinknoise vol 0.3");

    convert(source, folder / "first.wav");
    convert(source, folder / "second.wav");

    EXPECT_EQ(readFile(folder / "first.wav"), readFile(folder / "second.wav"));
}

class CountsTheSamplesBeyondFullScale : public testing::TestWithParam<int> {};

TEST_P(CountsTheSamplesBeyondFullScale, AndSilencesOnlyNaNItself)
{
    // sox keeps its samples within full scale, so this float file is
    // built here: 1000 frames of 0.25, of which 7 samples lie
    // beyond full scale on either side, 3 are infinite or absurd, one is NaN
    // and one sits exactly at the positive edge.
    const int rate = GetParam();
    TempDir folder;
    const fs::path source = folder / "hot.wav";
    std::vector<float> samples(2000, 0.25f);
    for (size_t i : {3, 100, 101, 999, 1500})
        samples[i] = 1.5f;
    for (size_t i : {10, 1999})
        samples[i] = -1.01f;
    samples[50] = 32767.0f / 32768.0f;
    samples[600] = INFINITY;
    samples[801] = -INFINITY;
    samples[1201] = 1e30f;
    samples[1000] = NAN;
    writeFile(source, makeWav(floatWords(samples), {.formatTag = 3, .sampleRate = uint32_t(rate), .bitsPerSample = 32}));

    const ConversionOutcome outcome = convert(source, folder / "out.wav");

    ASSERT_EQ(outcome.status, ConversionStatus::Converted);
    EXPECT_EQ(outcome.clippedSamples, 10u);
    const std::vector<uint8_t> bytes = readFile(folder / "out.wav");
    const auto sample = [&](size_t i) { return int16_t(bytes[44 + 2 * i] | bytes[44 + 2 * i + 1] << 8); };
    // The NaN, in the left channel, takes nothing around it into silence.
    double left = 0;
    for (size_t i = 0; 44 + 2 * i < bytes.size(); i += 2)
        left += sample(i);
    EXPECT_NEAR(left / double(dataFrames(folder / "out.wav")), 0.25 * 32768, 0.02 * 0.25 * 32768);
    if (rate == 44100) {
        EXPECT_EQ(sample(3), 32767);
        EXPECT_EQ(sample(10), -32768);
        EXPECT_EQ(sample(801), -32768);
        EXPECT_EQ(sample(1000), 0);
    }
}

INSTANTIATE_TEST_SUITE_P(Rates, CountsTheSamplesBeyondFullScale, testing::Values(44100, 48000));

TEST(AudioConversion, RefusesWhatItCannotReadOrMustNotTake)
{
    TempDir folder;
    writeFile(folder / "text.flac", {'n', 'o', 't', ' ', 'a', 'u', 'd', 'i', 'o'});
    // Absurd rates: 2,000 frames at 1 Hz would be 2,000 s at 44.1 kHz.
    writeFile(folder / "1Hz.wav", makeWav(noise(4000), {.sampleRate = 1}));
    writeFile(folder / "7999Hz.wav", makeWav(noise(4000), {.sampleRate = 7999}));
    writeFile(folder / "768001Hz.wav", makeWav(noise(4000), {.sampleRate = 768001}));
    // 100 MB of 8 kHz 8-bit mono (a sparse file) would pass the engine's
    // 2 GiB at 44.1 kHz 16-bit stereo.
    writeFile(folder / "long.wav", makeWav({}, {.channels = 1, .sampleRate = 8000, .bitsPerSample = 8,
                                                .dataSizeField = 100000000}));
    fs::resize_file(folder / "long.wav", 44 + 100000000);
    const std::vector<std::pair<std::string, ConversionStatus>> sources = {
        {"text.flac", ConversionStatus::NotConvertible},   {"missing.ogg", ConversionStatus::NotConvertible},
        {"1Hz.wav", ConversionStatus::RateOutOfBounds},     {"7999Hz.wav", ConversionStatus::RateOutOfBounds},
        {"768001Hz.wav", ConversionStatus::RateOutOfBounds}, {"long.wav", ConversionStatus::TooLong}};

    for (const auto& [name, status] : sources) {
        EXPECT_FALSE(probeConvertible((folder / name).string())) << name;
        EXPECT_EQ(convert(folder / name, folder / "out.wav").status, status) << name;
    }
    // Nothing written, not even a temporary file.
    EXPECT_EQ(std::distance(fs::directory_iterator(folder.path()), fs::directory_iterator()), 5);
}

TEST(AudioConversion, CancelOrAFailedWriteLeavesNothingBehind)
{
    TempDir folder;
    const fs::path source = soxFixture(folder, "in.flac", "-r 48000 -b 24 -c 2", "synth 3 sine 440");
    writeFile(folder / "out.wav", {'k', 'e', 'e', 'p'});
    int reports = 0;

    const ConversionOutcome cancelled = convert(source, folder / "out.wav", [&](int) { return ++reports == 2; });

    EXPECT_EQ(cancelled.status, ConversionStatus::Cancelled);
    EXPECT_EQ(readFile(folder / "out.wav"), std::vector<uint8_t>({'k', 'e', 'e', 'p'}));
    EXPECT_EQ(std::distance(fs::directory_iterator(folder.path()), fs::directory_iterator()), 2);

    EXPECT_EQ(convert(source, folder / "no such folder" / "out.wav").status, ConversionStatus::WriteFailed);
}
