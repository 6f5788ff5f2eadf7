// FileSave: the bytes it writes in place and as a copy, its progress
// reports, and the record it folds back.
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>

#include "file_handle.h"
#include "render.h"
#include "temp_dir.h"
#include "wav_builder.h"
#include "welvox.h"

using namespace testsupport;
namespace fs = std::filesystem;

namespace {

std::vector<int> g_reports;
int32_t recordProgress(int32_t percent) {
    g_reports.push_back(percent);
    return 0;
}

uint32_t le32(const std::vector<uint8_t>& b, size_t at) {
    return b[at] | b[at + 1] << 8 | b[at + 2] << 16 | uint32_t(b[at + 3]) << 24;
}

class FileSaveTest : public testing::Test {
protected:
    void SetUp() override { g_reports.clear(); }

    TrackRecord analyse(const std::vector<uint8_t>& file) {
        writeFile(source, file);
        TrackRecord r{};
        r.path = sourcePath.c_str();
        EXPECT_EQ(FileOpen(sourcePath.c_str(), &r, 80, -1, nullptr), 1002);
        return r;
    }

    // The whole rendered track as the renderer gives it, block by block.
    std::vector<uint8_t> renderedData(const TrackRecord& r) {
        const auto file = welvox::FileHandle::openForReading(r.path);
        std::vector<uint8_t> out;
        std::vector<int16_t> block(1000);
        for (int32_t position = 0;; position += 1000) {
            const int32_t remaining = *welvox::renderBlock(r, file, block.data(), 1000, position);
            const int32_t n = std::clamp(remaining, 0, 1000);
            const auto* bytes = reinterpret_cast<const uint8_t*>(block.data());
            out.insert(out.end(), bytes, bytes + 2 * n);
            if (remaining <= 1000) return out;
        }
    }

    TempDir dir;
    fs::path source = dir / "song.wav";
    std::string sourcePath = source.string();
    std::string copyPath = (dir / "M01_song.wav").string();
};

TEST_F(FileSaveTest, UneditedSaveInPlaceLeavesTheFileByteIdentical) {
    const auto original = makeWav(noise(70000), {.factChunk = true});
    TrackRecord r = analyse(original);
    ASSERT_EQ(FileSave("", &r, 0, nullptr), 1002);
    EXPECT_EQ(readFile(source), original);
}

TEST_F(FileSaveTest, AppendingOneSecondOfSilence) {
    const auto original = makeWav(noise(20000));
    for (const int mode : {1, 0}) {
        writeFile(source, original);
        TrackRecord r = analyse(original);
        r.muteAdjustBytes = 176400;
        ASSERT_EQ(FileSave(copyPath.c_str(), &r, mode, nullptr), 1002);
        const auto saved = readFile(mode == 1 ? fs::path(copyPath) : source);
        ASSERT_EQ(saved.size(), original.size() + 176400);
        EXPECT_EQ(le32(saved, 40), 40000u + 176400);
        EXPECT_EQ(le32(saved, 4), saved.size() - 8);
        EXPECT_EQ(slice(saved, 8, 32), slice(original, 8, 32));
        EXPECT_EQ(slice(saved, 44, 40000), slice(original, 44));
        EXPECT_EQ(slice(saved, 44 + 40000), std::vector<uint8_t>(176400, 0));
    }
}

TEST_F(FileSaveTest, RemovingHalfASecondInPlaceKeepsTheFileLength) {
    const auto original = makeWav(noise(200000));
    TrackRecord r = analyse(original);
    r.muteAdjustBytes = -88200;
    ASSERT_EQ(FileSave("", &r, 0, nullptr), 1002);
    const auto saved = readFile(source);
    ASSERT_EQ(saved.size(), original.size());
    EXPECT_EQ(le32(saved, 4), le32(original, 4));
    EXPECT_EQ(le32(saved, 40), 400000u - 88200);
    // The tail of the old data stays where it was, beyond the new data chunk.
    EXPECT_EQ(slice(saved, 44), slice(original, 44));
    EXPECT_EQ(r.riffBytes, int32_t(le32(original, 4)));
}

TEST_F(FileSaveTest, RemovingHalfASecondInACopyShortensIt) {
    const auto original = makeWav(noise(200000));
    TrackRecord r = analyse(original);
    r.muteAdjustBytes = -88200;
    ASSERT_EQ(FileSave(copyPath.c_str(), &r, 1, nullptr), 1002);
    const auto copy = readFile(copyPath);
    ASSERT_EQ(copy.size(), original.size() - 88200);
    EXPECT_EQ(le32(copy, 4), copy.size() - 8);
    EXPECT_EQ(le32(copy, 40), 400000u - 88200);
    EXPECT_EQ(slice(copy, 44), slice(original, 44, 400000 - 88200));
    EXPECT_EQ(readFile(source), original);
    EXPECT_EQ(r.riffBytes, int32_t(copy.size() - 8));
}

TEST_F(FileSaveTest, ProgressForEveryBlockButTheLast) {
    TrackRecord r = analyse(makeWav(noise(32768)));
    ASSERT_EQ(FileSave("", &r, 0, recordProgress), 1002);
    EXPECT_TRUE(g_reports.empty());

    r = analyse(makeWav(noise(32769)));  // one sample past a whole block
    ASSERT_EQ(FileSave("", &r, 0, recordProgress), 1002);
    EXPECT_EQ(g_reports, (std::vector<int>{99}));

    g_reports.clear();
    r = analyse(makeWav(noise(4 * 32768 + 10)));
    ASSERT_EQ(FileSave("", &r, 0, recordProgress), 1002);
    EXPECT_EQ(g_reports, (std::vector<int>{25, 50, 75, 99}));
}

TEST_F(FileSaveTest, EveryEditIsWrittenAsRendered) {
    const auto original = makeWav(noise(300000, 20000, 9), {.listAfterData = true});
    TrackRecord r = analyse(original);
    r.levelPercent = 80;
    r.preDigitalMute = 4000;
    r.fadeInEnd = 100000;
    r.fadeInBytes = 96000;
    r.fadeInCurve = 0.6f;
    r.fadeOutStart = 450000;
    r.postDigitalMute = 580000;
    r.fadeOutBytes = 130000;
    r.fadeOutCurve = 2.5f;
    r.muteAdjustBytes = 7056;
    const auto expected = renderedData(r);
    ASSERT_EQ(expected.size(), 600000u + 7056);
    ASSERT_EQ(FileSave(copyPath.c_str(), &r, 1, nullptr), 1002);
    EXPECT_EQ(slice(readFile(copyPath), 44), expected);
}

TEST_F(FileSaveTest, TheRecordIsFoldedBack) {
    TrackRecord r = analyse(makeWav(silenceLoudSilence(1000, 3000, 1000, 20001)));
    r.title = "song.wav";
    r.color = 0x00FF8040;
    r.levelPercent = 50;
    r.muteAdjustBytes = -2000;
    r.preDigitalMute = 4000;
    r.fadeInEnd = 8000;
    r.fadeInBytes = 4000;
    r.fadeInCurve = 1.5f;
    r.postDigitalMute = 15000;
    r.fadeOutStart = 14000;
    r.fadeOutBytes = 1000;
    r.fadeOutCurve = 0.5f;
    r.postMutePoint = 15000;
    r.postMuteBytes = 1000;
    r.peakOffset = 19000;
    TrackRecord before = r;
    ASSERT_EQ(FileSave("", &r, 0, nullptr), 1002);
    EXPECT_EQ(r.dataBytes, 18000);
    EXPECT_EQ(r.riffBytes, before.riffBytes);
    EXPECT_EQ(r.postMuteBytes, -1000);
    EXPECT_EQ(r.origPostMutePoint, 15000);
    EXPECT_EQ(r.levelPercent, 100);
    EXPECT_EQ(r.peakValue, 10000);
    EXPECT_EQ(r.peakOffset, 18000);
    EXPECT_EQ(r.muteAdjustBytes, 0);
    for (int32_t point : {r.preDigitalMute, r.postDigitalMute, r.fadeInEnd, r.fadeOutStart}) EXPECT_EQ(point, -1);
    // What the save leaves alone.
    EXPECT_EQ(r.fadeInBytes, 4000);
    EXPECT_EQ(r.fadeOutBytes, 1000);
    EXPECT_EQ(r.fadeInCurve, 1.5f);
    EXPECT_EQ(r.fadeOutCurve, 0.5f);
    EXPECT_EQ(r.color, 0x00FF8040);
    EXPECT_EQ(r.title, before.title);
    EXPECT_EQ(r.path, before.path);
    EXPECT_EQ(r.preMutePoint, before.preMutePoint);
    EXPECT_EQ(r.postMutePoint, 15000);
}

TEST_F(FileSaveTest, CopyModeWithTheSamePathSavesInPlace) {
    const auto original = makeWav(noise(1000));
    TrackRecord r = analyse(original);
    r.muteAdjustBytes = 400;
    ASSERT_EQ(FileSave(sourcePath.c_str(), &r, 1, nullptr), 1002);
    EXPECT_EQ(readFile(source).size(), original.size() + 400);
    EXPECT_EQ(fs::directory_iterator(dir.path())->path(), source);  // nothing else written
}

}  // namespace
