// The files people keep besides WAV, FLAC, AIFF and Ogg Vorbis, made at test
// time by ffmpeg from signals built here, through the conversion route: the
// length each must have and, for the lossless ones, every sample; a gapless
// album in AAC; the files the route refuses; and the route each file's
// content chooses, whatever its name.
#include "audio_conversion.h"
#include "cd_rate_converter.h"
#include "mp3_encoder.h"
#include "source_sniff.h"
#include "temp_dir.h"
#include "wav_builder.h"

#include <gtest/gtest.h>
#include <taglib/mp4file.h>
#include <taglib/mp4tag.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

using namespace testsupport;
namespace fs = std::filesystem;

namespace {

// Not a whole number of any codec's blocks.
constexpr int64_t Frames = 44100 + 4321;
constexpr int64_t AacBlock = 1024;

void ffmpeg(const std::string& arguments)
{
    const std::string command = "ffmpeg -v error -y " + arguments;
    ASSERT_EQ(std::system(command.c_str()), 0) << command;
}

std::string quoted(const fs::path& path)
{
    return '\'' + path.string() + '\'';
}

std::vector<int16_t> samplesOf(const fs::path& wav)
{
    const std::vector<uint8_t> bytes = readFile(wav);
    std::vector<int16_t> samples((bytes.size() - 44) / 2);
    std::memcpy(samples.data(), bytes.data() + 44, samples.size() * 2);
    return samples;
}

// The frames ffmpeg's own decoder gives for a file that declares no
// delay and no padding.
int64_t framesFfmpegDecodes(const TempDir& folder, const fs::path& file)
{
    ffmpeg("-i " + quoted(file) + " -f s16le -ac 2 " + quoted(folder / "raw"));
    return int64_t(fs::file_size(folder / "raw") / 4);
}

// Writes the iTunSMPB tag of an AAC file made without an edit list: the
// encoder's delay of one block, then the recording's length.
void writeItunSmpb(const fs::path& file, int64_t length)
{
    char value[80];
    std::snprintf(value, sizeof value, " 00000000 %08X %08X %016llX 00000000", unsigned(AacBlock), 0u,
                  (unsigned long long)length);
    TagLib::MP4::File mp4(file.c_str());
    mp4.tag()->setItem("----:com.apple.iTunes:iTunSMPB", TagLib::StringList(value));
    ASSERT_TRUE(mp4.save());
}

struct FormatRow {
    std::string name;     // the file ffmpeg writes, its ending choosing the container
    std::string inputs;   // ffmpeg's inputs before the source
    std::string options;  // ffmpeg's options for the file
    uint16_t channels;
    uint32_t rate;
    int64_t expectedFrames;  // -1: as many as ffmpeg's own decoder gives
    bool lossless;
};

void PrintTo(const FormatRow& row, std::ostream* out)
{
    *out << row.name;
}

class ConvertsEachFormat : public testing::TestWithParam<FormatRow> {};

}  // namespace

TEST_P(ConvertsEachFormat, ToItsDeclaredLength)
{
    const FormatRow& row = GetParam();
    TempDir folder;
    const int64_t sourceFrames = Frames * row.rate / 44100;
    const std::vector<int16_t> samples = noise(size_t(sourceFrames * row.channels), 12000);
    writeFile(folder / "source.wav", makeWav(samples, {.channels = row.channels, .sampleRate = row.rate}));
    const fs::path file = folder / row.name;
    ffmpeg(row.inputs + " -i " + quoted(folder / "source.wav") + " " + row.options + " " + quoted(file));
    if (row.name.find("itunsmpb") != std::string::npos)
        writeItunSmpb(file, Frames);

    const ConversionOutcome outcome = convertToCdWav(file.string(), (folder / "out.wav").string(), {});

    ASSERT_EQ(outcome.status, ConversionStatus::Converted);
    EXPECT_EQ(outcome.source.channels, row.channels);
    const int64_t expected = row.expectedFrames >= 0 ? row.expectedFrames : framesFfmpegDecodes(folder, file);
    if (row.lossless)
        EXPECT_EQ(samplesOf(folder / "out.wav"), samples);
    else
        EXPECT_EQ(int64_t(samplesOf(folder / "out.wav").size() / 2), expected);
}

INSTANTIATE_TEST_SUITE_P(
    Formats, ConvertsEachFormat,
    testing::Values(FormatRow{"alac.m4a", "", "-c:a alac", 2, 44100, Frames, true},
                    FormatRow{"wavpack.wv", "", "", 2, 44100, Frames, true},
                    FormatRow{"flac.flac", "", "", 2, 44100, Frames, true},
                    // The edit list ffmpeg writes declares the delay and the length.
                    FormatRow{"aac_editlist.m4a", "", "", 2, 44100, Frames, false},
                    FormatRow{"aac_itunsmpb.m4a", "", "-use_editlist 0", 2, 44100, Frames, false},
                    // ADTS declares nothing: whole blocks, delay and padding in them.
                    FormatRow{"adts.aac", "", "", 2, 44100, (Frames + AacBlock + AacBlock - 1) / AacBlock * AacBlock, false},
                    FormatRow{"opus.opus", "", "", 2, 48000, CdRateConverter::outputFrames(Frames * 48000 / 44100, 48000), false},
                    FormatRow{"wma.wma", "", "", 2, 44100, -1, false},
                    FormatRow{"surround.flac", "", "", 6, 48000, CdRateConverter::outputFrames(Frames * 48000 / 44100, 48000), false},
                    FormatRow{"video.mp4", "-f lavfi -i testsrc=d=2:s=64x48", "", 2, 44100, Frames, false}),
    [](const testing::TestParamInfo<FormatRow>& info) { return info.param.name.substr(0, info.param.name.find('.')); });

TEST(MediaFormats, AGaplessAacAlbumKeepsItsLengthAndNoEncoderSilence)
{
    // One tone cut in three, each piece encoded on its own.
    TempDir folder;
    const int64_t cuts[] = {0, 44100 + 111, 2 * 44100 + 333, 3 * 44100 + 777};
    int64_t decoded = 0;
    for (int track = 0; track < 3; ++track) {
        std::vector<int16_t> piece;
        for (int64_t i = cuts[track]; i < cuts[track + 1]; ++i)
            piece.insert(piece.end(), 2, int16_t(16000 * std::sin(2 * M_PI * 1000.0 * double(i) / 44100)));
        const fs::path m4a = folder / ("track" + std::to_string(track) + ".m4a");
        writeFile(folder / "piece.wav", makeWav(piece));
        ffmpeg("-i " + quoted(folder / "piece.wav") + " " + quoted(m4a));

        ASSERT_EQ(convertToCdWav(m4a.string(), (folder / "out.wav").string(), {}).status, ConversionStatus::Converted);
        const std::vector<int16_t> samples = samplesOf(folder / "out.wav");
        decoded += int64_t(samples.size() / 2);
        // A millisecond at either end holds the tone's peaks, not silence.
        const auto loudest = [](auto first, auto last) {
            return std::abs(*std::max_element(first, last, [](int16_t a, int16_t b) { return std::abs(a) < std::abs(b); }));
        };
        EXPECT_GT(loudest(samples.begin(), samples.begin() + 88), 12000) << track;
        EXPECT_GT(loudest(samples.end() - 88, samples.end()), 12000) << track;
    }
    EXPECT_EQ(decoded, cuts[3]);
}

TEST(MediaFormats, RefusesDamagedProtectedAndSilentFilesAndLeavesNothing)
{
    TempDir folder;
    const int64_t frames = Frames * 10;
    writeFile(folder / "source.wav", makeWav(noise(size_t(frames * 2), 12000)));
    const std::string source = "-i " + quoted(folder / "source.wav");
    ffmpeg(source + " " + quoted(folder / "whole.m4a"));
    ffmpeg(source + " " + quoted(folder / "damaged.flac"));
    ffmpeg("-f lavfi -i testsrc=d=1:s=64x48 " + quoted(folder / "silent.mp4"));
    std::vector<uint8_t> m4a = readFile(folder / "whole.m4a");
    // The sample table comes last: without it nothing is readable.
    writeFile(folder / "truncated.m4a", slice(m4a, 0, m4a.size() * 9 / 10));
    // FairPlay's sample entry in place of the plain one.
    const auto entry = std::search(m4a.begin(), m4a.end(), std::begin("mp4a"), std::end("mp4a") - 1);
    std::copy_n("drms", 4, entry);
    writeFile(folder / "protected.m4a", m4a);
    // Bytes overwritten half way through the audio.
    std::vector<uint8_t> flac = readFile(folder / "damaged.flac");
    std::fill_n(flac.begin() + long(flac.size() / 2), 2000, uint8_t(0x5A));
    writeFile(folder / "damaged.flac", flac);
    fs::remove(folder / "source.wav");
    fs::remove(folder / "whole.m4a");

    const std::pair<const char*, ConversionStatus> rows[] = {{"truncated.m4a", ConversionStatus::NotConvertible},
                                                             {"protected.m4a", ConversionStatus::Protected},
                                                             {"silent.mp4", ConversionStatus::NoAudioStream},
                                                             {"damaged.flac", ConversionStatus::ReadFailed}};
    for (const auto& [name, status] : rows) {
        const ConversionOutcome outcome = convertToCdWav((folder / name).string(), (folder / "out.wav").string(), {});
        EXPECT_EQ(outcome.status, status) << name;
        if (status == ConversionStatus::ReadFailed) {
            EXPECT_NEAR(outcome.failedAtSeconds, double(frames) / 2 / 44100, 1.0);
        }
    }
    EXPECT_EQ(std::distance(fs::directory_iterator(folder.path()), fs::directory_iterator()), 4);
}

TEST(MediaFormats, TheContentChoosesTheRouteNotTheName)
{
    TempDir folder;
    writeFile(folder / "song.mp3", makeWav(noise(8820)));
    writeMp3(folder / "song.wav", mp3Signal(44100, 2));
    // An ID3v2 tag of 2 MB before the frames, as a large cover picture makes.
    std::vector<uint8_t> tagged = {'I', 'D', '3', 3, 0, 0, 0x00, 0x7A, 0x12, 0x00};
    tagged.resize(10 + 0x1E8900, 0);
    const std::vector<uint8_t> mp3 = readFile(folder / "song.wav");
    tagged.insert(tagged.end(), mp3.begin(), mp3.end());
    writeFile(folder / "tagged", tagged);
    ffmpeg("-i " + quoted(folder / "song.mp3") + " -c:a libopus -f ogg " + quoted(folder / "voice.mp3"));
    writeFile(folder / "text.m4a", {'n', 'o', 't', 'e'});

    const std::pair<const char*, SourceKind> rows[] = {
        {"song.mp3", SourceKind::Wav},        {"song.wav", SourceKind::MpegAudio}, {"tagged", SourceKind::MpegAudio},
        {"voice.mp3", SourceKind::Other},     {"text.m4a", SourceKind::Unknown},   {"missing.wav", SourceKind::Unknown}};
    for (const auto& [name, kind] : rows)
        EXPECT_EQ(sniffSource((folder / name).string()), kind) << name;
}
