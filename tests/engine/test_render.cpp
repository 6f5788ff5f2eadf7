// The block renderer: every rule that turns a track's edits into samples.
#include <gtest/gtest.h>

#include <cmath>

#include "fade_curve.h"
#include "record_fixture.h"
#include "render.h"
#include "temp_dir.h"
#include "wav_builder.h"

using namespace testsupport;
using welvox::FileHandle;
using welvox::renderBlock;

namespace {

class RenderTest : public testing::Test {
protected:
    void write(const std::vector<int16_t>& samples, const WavLayout& layout = {}) {
        writeFile(path, makeWav(samples, layout));
        file = FileHandle::openForReading(path.c_str());
        record = analysedRecord(path.c_str(), int32_t(samples.size() * 2));
    }

    std::vector<int16_t> render(int32_t count, int32_t position, int32_t* remaining = nullptr) {
        std::vector<int16_t> out(count, 0x7777);
        const auto n = renderBlock(record, file, out.data(), count, position);
        EXPECT_TRUE(n.has_value());
        if (remaining && n) *remaining = *n;
        return out;
    }

    TempDir dir;
    std::string path = (dir / "track.wav").string();
    FileHandle file;
    TrackRecord record{};
};

TEST_F(RenderTest, UneditedRecordRendersTheFileUnchanged) {
    const auto samples = noise(1000, 32767);
    write(samples);
    int32_t remaining = 0;
    EXPECT_EQ(render(1000, 0, &remaining), samples);
    EXPECT_EQ(remaining, 1000);
    EXPECT_EQ(std::vector<int16_t>(samples.begin() + 300, samples.begin() + 400), render(100, 300, &remaining));
    EXPECT_EQ(remaining, 700);
}

TEST_F(RenderTest, LevelTruncatesTowardZero) {
    write({-3, 3, -1, 1, 32767, -32768, 200, -201});
    record.levelPercent = 50;
    EXPECT_EQ(render(8, 0), (std::vector<int16_t>{-1, 1, 0, 0, 16383, -16384, 100, -100}));
    record.levelPercent = 150;
    EXPECT_EQ(render(2, 6), (std::vector<int16_t>{300, -301}));
}

TEST_F(RenderTest, LinearFadeInFromTheLeadingMute) {
    write(std::vector<int16_t>(20, 800));
    record.preDigitalMute = 0;
    record.fadeInEnd = 16;  // 4 frames
    record.fadeInBytes = 16;
    record.fadeInCurve = 1.0f;
    EXPECT_EQ(render(10, 0), (std::vector<int16_t>{0, 100, 200, 300, 400, 500, 600, 700, 800, 800}));
}

TEST_F(RenderTest, FadeInAfterAMuteUsesTheCurve) {
    write(std::vector<int16_t>(40, 10000));
    record.preDigitalMute = 8;  // sample 4
    record.fadeInEnd = 24;      // sample 12
    record.fadeInBytes = 16;
    record.fadeInCurve = 2.0f;
    const auto out = render(14, 0);
    for (int p = 0; p < 4; ++p) EXPECT_EQ(out[p], 0) << p;
    for (int p = 4; p < 12; ++p) EXPECT_EQ(out[p], int(std::pow((p - 4) / 8.0, 2.0) * 10000)) << p;
    EXPECT_EQ(out[12], 10000);
}

TEST_F(RenderTest, FadeOutReachesZeroAtTheTrailingMute) {
    write(std::vector<int16_t>(40, -8000));
    record.fadeOutStart = 40;     // sample 20
    record.postDigitalMute = 56;  // sample 28
    record.fadeOutBytes = 16;
    record.fadeOutCurve = 1.0f;
    const auto out = render(40, 0);
    EXPECT_EQ(out[20], -8000);  // fading starts strictly after the start
    for (int p = 21; p < 28; ++p) EXPECT_EQ(out[p], -1000 * (28 - p)) << p;
    for (int p = 28; p < 40; ++p) EXPECT_EQ(out[p], 0) << p;
}

TEST_F(RenderTest, OverlappingFadesMultiply) {
    write(std::vector<int16_t>(8, 1000));
    record.levelPercent = 50;
    record.preDigitalMute = 0;
    record.fadeInEnd = record.fadeInBytes = 16;
    record.fadeInCurve = 1.0f;
    record.fadeOutStart = 0;
    record.postDigitalMute = record.fadeOutBytes = 16;
    record.fadeOutCurve = 1.0f;
    const auto out = render(8, 0);
    for (int p = 1; p < 8; ++p) {
        const int afterIn = int(p / 8.0 * 500);
        EXPECT_EQ(out[p], int((8 - p) / 8.0 * afterIn)) << p;
    }
}

TEST_F(RenderTest, AppendedSilenceNeverShowsWhatFollowsTheData) {
    write(std::vector<int16_t>(10, 500), {.listAfterData = true});
    record.muteAdjustBytes = 40;
    int32_t remaining = 0;
    const auto out = render(24, 0, &remaining);
    EXPECT_EQ(remaining, 30);
    for (int p = 0; p < 10; ++p) EXPECT_EQ(out[p], 500);
    for (int p = 10; p < 24; ++p) EXPECT_EQ(out[p], 0) << p;

    render(4, 34, &remaining);
    EXPECT_EQ(remaining, -4);
}

TEST_F(RenderTest, RemovedSilenceShortensTheTrack) {
    write(std::vector<int16_t>(100, 1));
    record.muteAdjustBytes = -40;
    int32_t remaining = 0;
    render(64, 64, &remaining);
    EXPECT_EQ(remaining, 100 - 20 - 64);
}

TEST_F(RenderTest, UnreadableFileIsAFailureNotACount) {
    write(noise(100));
    std::vector<int16_t> out(50);
    EXPECT_FALSE(renderBlock(record, FileHandle(), out.data(), 50, 0));
    // Positions wholly in appended silence need no read at all.
    record.muteAdjustBytes = 400;
    EXPECT_EQ(renderBlock(record, FileHandle(), out.data(), 50, 100), 200);
}

TEST_F(RenderTest, ShortFileRendersMissingSamplesAsSilence) {
    write(std::vector<int16_t>(10, 300));
    record.dataBytes = 40;  // the header promises more than the file holds
    const auto out = render(20, 0);
    for (int p = 10; p < 20; ++p) EXPECT_EQ(out[p], 0) << p;
}

// The fast fade gains must equal the scalar power after truncation for every
// sample of a fade, whatever its length, exponent and sample values.
TEST(FadeCurve, RunsMatchTheScalarPowerBitForBit) {
    const auto values = noise(4096, 32767, 5);
    for (const double curve : {0.1, 0.6, 1.0, 1.8, 2.5, 3.0, 1.7000000476837158}) {
        for (const int64_t length : {1, 2, 7, 100, 4097, 441000}) {
            for (const int step : {+1, -1}) {
                const int64_t first = step > 0 ? 0 : length;
                std::vector<int32_t> t(size_t(length) + 1), expected(t.size());
                for (size_t j = 0; j < t.size(); ++j) {
                    // Some products land exactly on integers: t a multiple of 2^k.
                    t[j] = j % 5 == 0 ? int32_t(values[j % values.size()]) & ~1023 : values[j % values.size()];
                    expected[j] = welvox::curveTimes(double(first + step * int64_t(j)) / double(length), curve, t[j]);
                }
                welvox::applyCurveRun(first, step, length, curve, t.data(), t.size());
                ASSERT_EQ(t, expected) << "curve " << curve << " length " << length << " step " << step;
            }
        }
    }
}

}  // namespace
