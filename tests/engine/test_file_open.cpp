// FileOpen on real files: the record it fills, the peak scan with its
// progress and cancel, the silence searches, and the failures that must
// leave the record alone.
#include <gtest/gtest.h>

#include <cstring>

#include "temp_dir.h"
#include "wav_builder.h"
#include "welvox.h"

using namespace testsupport;

namespace {

constexpr int kThreshold = 80;
constexpr int kBlockSamples = 32768;

std::vector<int> g_reports;
int g_cancelAt = -1;

int32_t recordProgress(int32_t percent) {
    g_reports.push_back(percent);
    return int(g_reports.size()) - 1 == g_cancelAt ? 1001 : 0;
}

TrackRecord untouchedRecord() {
    TrackRecord r;
    std::memset(&r, 0x5A, sizeof r);
    r.title = "title";
    r.path = "path";
    return r;
}

class FileOpenTest : public testing::Test {
protected:
    void SetUp() override {
        g_reports.clear();
        g_cancelAt = -1;
        record = untouchedRecord();
    }

    int open(const std::vector<uint8_t>& file, bool scanPeak = true) {
        writeFile(path, file);
        return FileOpen(path.c_str(), &record, kThreshold, scanPeak ? -1 : 0, recordProgress);
    }

    void expectUntouched() {
        const TrackRecord before = untouchedRecord();
        EXPECT_EQ(std::memcmp(&record, &before, sizeof record), 0);
    }

    TempDir dir;
    std::string path = (dir / "track.wav").string();
    TrackRecord record;
};

TEST_F(FileOpenTest, FillsTheRecordAsAnalysed) {
    // 100 silent frames, 50 loud frames, 200 silent frames.
    ASSERT_EQ(open(makeWav(silenceLoudSilence(100, 50, 200, 1234))), 1002);
    EXPECT_STREQ(record.title, "title");
    EXPECT_STREQ(record.path, "path");
    EXPECT_EQ(record.color, 0x5A5A5A5A);
    EXPECT_EQ(record.dataBytes, 1400);
    EXPECT_EQ(record.dataOffset, 44);
    EXPECT_EQ(record.riffBytes, 1400 + 44 - 8);
    EXPECT_EQ(record.preMutePoint, 400);
    EXPECT_EQ(record.preMuteBytes, 400);
    EXPECT_EQ(record.origPreMutePoint, 400);
    EXPECT_EQ(record.postMutePoint, 596);
    EXPECT_EQ(record.origPostMutePoint, 596);
    EXPECT_EQ(record.soundBytes, 196);
    EXPECT_EQ(record.postMuteBytes, 1400 - 596);
    EXPECT_EQ(record.levelPercent, 100);
    EXPECT_EQ(record.peakValue, 1234);
    EXPECT_EQ(record.peakOffset, 596);  // ties: the last loud sample
    EXPECT_EQ(record.muteAdjustBytes, 0);
    EXPECT_EQ(record.fadeInBytes, 0);
    EXPECT_EQ(record.fadeOutBytes, 0);
    for (int32_t point : {record.preDigitalMute, record.postDigitalMute, record.fadeInEnd, record.fadeOutStart})
        EXPECT_EQ(point, -1);
    EXPECT_EQ(record.fadeInCurve, -1.0f);
    EXPECT_EQ(record.fadeOutCurve, -1.0f);
}

TEST_F(FileOpenTest, HeaderLayoutsAnalyseAlike) {
    const auto samples = silenceLoudSilence(10, 20, 30);
    for (const WavLayout layout : {WavLayout{.fmtSize = 18}, WavLayout{.factChunk = true},
                                   WavLayout{.listAfterData = true}}) {
        ASSERT_EQ(open(makeWav(samples, layout)), 1002);
        EXPECT_EQ(record.dataBytes, 240);
        EXPECT_EQ(record.preMutePoint, 40);
        EXPECT_EQ(record.postMutePoint, 116);
    }
    EXPECT_EQ(record.dataOffset, 44);
}

TEST_F(FileOpenTest, PeakTiesMoveToTheLaterSampleAndMinus32768CountsAs32767) {
    auto samples = silenceLoudSilence(0, 100, 0, 500);
    samples[21] = 9000;
    samples[150] = -9000;  // frame 75
    ASSERT_EQ(open(makeWav(samples)), 1002);
    EXPECT_EQ(record.peakValue, 9000);
    EXPECT_EQ(record.peakOffset, 300);

    samples[61] = -32768;  // frame 30
    ASSERT_EQ(open(makeWav(samples)), 1002);
    EXPECT_EQ(record.peakValue, 32767);
    EXPECT_EQ(record.peakOffset, 120);
}

TEST_F(FileOpenTest, PeakFoundInAnyBlockOfALongFile) {
    auto samples = noise(5 * kBlockSamples + 1000, 3000, 7);
    samples[3 * kBlockSamples + 17] = 20000;
    samples[kBlockSamples + 5] = -20000;
    ASSERT_EQ(open(makeWav(samples)), 1002);
    EXPECT_EQ(record.peakValue, 20000);
    EXPECT_EQ(record.peakOffset, 4 * ((3 * kBlockSamples + 17) / 2));
}

TEST_F(FileOpenTest, PeakScanOffGivesFullScaleAtOffsetOne) {
    ASSERT_EQ(open(makeWav(silenceLoudSilence(5, 5, 5, 100)), false), 1002);
    EXPECT_EQ(record.peakValue, 32767);
    EXPECT_EQ(record.peakOffset, 1);
    EXPECT_TRUE(g_reports.empty());
}

TEST_F(FileOpenTest, QuietFileIsSilenceOnlyWhenScanned) {
    auto samples = noise(4000, 80, 3);
    ASSERT_EQ(open(makeWav(samples)), 1005);
    expectUntouched();

    // Without the scan the peak test passes; with no sample above the
    // threshold the whole data is kept as sound.
    ASSERT_EQ(open(makeWav(samples), false), 1002);
    EXPECT_EQ(record.preMutePoint, 0);
    EXPECT_EQ(record.postMutePoint, 8000 - 4);
    EXPECT_EQ(record.postMuteBytes, 4);
}

TEST_F(FileOpenTest, NegativeSamplesDoNotStartTheSound) {
    auto samples = silenceLoudSilence(50, 10, 10, 5000);
    for (int i = 10; i < 20; ++i) samples[i] = -30000;
    ASSERT_EQ(open(makeWav(samples)), 1002);
    EXPECT_EQ(record.preMutePoint, 200);
    EXPECT_EQ(record.peakValue, 30000);

    // Loud only in negative excursions: the whole data counts as sound.
    for (auto& s : samples) s = s > 0 ? -s : s;
    ASSERT_EQ(open(makeWav(samples)), 1002);
    EXPECT_EQ(record.preMutePoint, 0);
    EXPECT_EQ(record.postMutePoint, record.dataBytes - 4);
}

TEST_F(FileOpenTest, SoundFillingTheWholeFile) {
    ASSERT_EQ(open(makeWav(silenceLoudSilence(0, 10, 0))), 1002);
    EXPECT_EQ(record.preMutePoint, 0);
    EXPECT_EQ(record.preMuteBytes, 0);
    EXPECT_EQ(record.postMuteBytes, 4);

    // A loud left sample in the last frame still ends the sound in that frame.
    auto samples = silenceLoudSilence(10, 0, 10);
    samples[samples.size() - 2] = 81;
    ASSERT_EQ(open(makeWav(samples)), 1002);
    EXPECT_EQ(record.postMutePoint, 76);
}

TEST_F(FileOpenTest, BackwardSearchCrossesBlockBoundaries) {
    // The backward blocks are aligned to the end of the data: the last block
    // holds samples [count - 32768, count). The last loud sample lies just
    // before it, and the first one just inside the first forward block's end.
    const int count = 80000;
    std::vector<int16_t> samples(count, 0);
    samples[kBlockSamples + 3] = 1000;
    samples[count - kBlockSamples - 1] = 1000;
    ASSERT_EQ(open(makeWav(samples)), 1002);
    EXPECT_EQ(record.preMutePoint, 4 * ((kBlockSamples + 3) / 2));
    EXPECT_EQ(record.postMutePoint, 4 * ((count - kBlockSamples - 1) / 2));
}

TEST_F(FileOpenTest, ProgressOncePerBlockFromZero) {
    ASSERT_EQ(open(makeWav(noise(3 * kBlockSamples))), 1002);
    EXPECT_EQ(g_reports, (std::vector<int>{0, 33, 66}));

    g_reports.clear();
    ASSERT_EQ(open(makeWav(noise(3 * kBlockSamples + 2))), 1002);
    EXPECT_EQ(g_reports, (std::vector<int>{0, 33, 66, 99}));
}

TEST_F(FileOpenTest, ProgressOfATinyDataChunkIsZero) {
    ASSERT_EQ(open(makeWav(silenceLoudSilence(2, 3, 2))), 1002);
    EXPECT_EQ(g_reports, (std::vector<int>{0}));
}

TEST_F(FileOpenTest, CancelAtTheFirstReportLeavesTheRecord) {
    g_cancelAt = 0;
    ASSERT_EQ(open(makeWav(noise(3 * kBlockSamples))), 1001);
    EXPECT_EQ(g_reports.size(), 1u);
    expectUntouched();
}

TEST_F(FileOpenTest, FailuresLeaveTheRecord) {
    EXPECT_EQ(FileOpen((dir / "missing.wav").c_str(), &record, kThreshold, -1, nullptr), 1003);
    EXPECT_EQ(open(makeWav(noise(100), {.channels = 1})), 1004);
    EXPECT_EQ(open(makeWav(noise(100), {.listBeforeData = true})), 1004);
    EXPECT_EQ(open({'R', 'I', 'F', 'F'}), 1004);
    EXPECT_EQ(open({}), 1004);
    EXPECT_EQ(open(makeWav({})), 1005);
    expectUntouched();
}

TEST_F(FileOpenTest, DataSizeBeyondTheFileCountsTheFramesPresent) {
    auto samples = silenceLoudSilence(10, 10, 10);
    auto file = makeWav(samples, {.dataSizeField = 0xFFFFFFFF});
    file.push_back(0x7F);  // a stray byte: not a whole frame
    file.push_back(0x7F);
    ASSERT_EQ(open(file), 1002);
    EXPECT_EQ(record.dataBytes, 120);
    EXPECT_EQ(record.riffBytes, 120 + 36);
    EXPECT_EQ(record.postMutePoint, 76);

    ASSERT_EQ(open(makeWav(samples, {.dataSizeField = 1000})), 1002);
    EXPECT_EQ(record.dataBytes, 120);

    // A field that fits is taken as stored, trailing chunks left alone.
    ASSERT_EQ(open(makeWav(samples, {.listAfterData = true})), 1002);
    EXPECT_EQ(record.dataBytes, 120);
}

}  // namespace
