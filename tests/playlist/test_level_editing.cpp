// Level rules: the level dialog's check, normalisation and compression.
#include <gtest/gtest.h>

#include "level_editing.h"
#include "track_factory.h"

using namespace playlisttest;

namespace {

struct LevelInput {
    int32_t peak;
    const char* typed;
    int32_t expectedLevel;  // -1: refused with the volume message
};

class LevelDialog : public testing::TestWithParam<LevelInput> {};

}  // namespace

TEST_P(LevelDialog, TakesTheNumericPrefixOrRefusesATooLoudLevel)
{
    const LevelInput& c = GetParam();
    PlayList list;
    fill(list, {analysed(4000, 0, 0, c.peak)});
    const DialogOutcome outcome = LevelEditing::ApplyLevel(list, 1, QString::fromUtf8(c.typed));
    if (c.expectedLevel < 0) {
        ASSERT_TRUE(outcome.message.has_value());
        EXPECT_EQ(outcome.message->text, QStringLiteral("この設定されたLevelでは最大許容音量を超えてしまいます"));
        EXPECT_EQ(outcome.message->caption, QStringLiteral("ｴﾗｰ"));
        EXPECT_EQ(list.TrackAt(1).record.levelPercent, 100);
        EXPECT_EQ(list.UndoAvailable(), 0);
    } else {
        EXPECT_FALSE(outcome.message.has_value());
        EXPECT_EQ(list.TrackAt(1).record.levelPercent, c.expectedLevel);
        EXPECT_EQ(outcome.change.trackRows, QList<int>{1});
        EXPECT_EQ(list.UndoAvailable(), 1);
    }
}

INSTANTIATE_TEST_SUITE_P(
    PlayList, LevelDialog,
    testing::Values(LevelInput{32767, "100", 100}, LevelInput{32767, "101", -1},
                    LevelInput{16384, "199", 199}, LevelInput{16384, "200", -1},
                    LevelInput{20000, "-120", 120}, LevelInput{20000, "120.9", 120},
                    LevelInput{20000, "-120.5", 121}, LevelInput{20000, "", 0},
                    LevelInput{20000, "abc", 0}, LevelInput{20000, "150%", 150},
                    LevelInput{1, "3276700", 3276700}, LevelInput{1, "3276701", -1},
                    LevelInput{20000, "99999999999999999999", -1}, LevelInput{20000, "1e400", -1},
                    LevelInput{0, "4294967396", -1}));

TEST(LevelDialogTexts, PromptAndStartText)
{
    PlayList list;
    fill(list, {analysed(4000), analysed(4000)});
    list.TrackAt(2).title = QStringLiteral("曲.wav");
    list.TrackAt(2).record.levelPercent = 87;
    EXPECT_EQ(LevelEditing::LevelPrompt(list, 2), QStringLiteral("No.2:\"曲.wav\"のLevelを入力してください"));
    EXPECT_EQ(LevelEditing::LevelText(list, 2), QStringLiteral("87"));
}

TEST(FindLoudestTrack, ComparesEffectivePeaksAndTheFirstOfEqualsWins)
{
    PlayList list;
    fill(list, {analysed(4000, 0, 0, 10000), analysed(4000, 0, 0, 20000), analysed(4000, 0, 0, 40000 / 2)});
    EXPECT_EQ(LevelEditing::FindLoudestTrack(list), 2);
    list.TrackAt(1).record.levelPercent = 201;
    EXPECT_EQ(LevelEditing::FindLoudestTrack(list), 1);
    EXPECT_EQ(LevelEditing::FindLoudestTrack(PlayList()), 0);
}

TEST(Normalize, OneTrackAgainstFullScale)
{
    PlayList list;
    fill(list, {analysed(4000, 0, 0, 30000), analysed(4000, 0, 0, 16000)});
    list.SelectRow(3);
    const ListChange change = LevelEditing::NormalizeOne(list, false);
    EXPECT_EQ(list.TrackAt(2).record.levelPercent, 204);
    EXPECT_EQ(change.trackRows, QList<int>{2});
    EXPECT_TRUE(change.refreshCommands);
    list.RestoreUndo();
    EXPECT_EQ(list.TrackAt(2).record.levelPercent, 100);
}

TEST(Normalize, AllAgainstTheLoudestTrackWhichKeepsItsLevel)
{
    PlayList list;
    fill(list, {analysed(4000, 0, 0, 10000), analysed(4000, 0, 0, 20000), analysed(4000, 0, 0, 30000)});
    list.TrackAt(3).record.levelPercent = 50;  // effective 15000
    const ListChange change = LevelEditing::NormalizeAll(list, true);
    EXPECT_EQ(list.TrackAt(1).record.levelPercent, 200);
    EXPECT_EQ(list.TrackAt(2).record.levelPercent, 100);
    EXPECT_EQ(list.TrackAt(3).record.levelPercent, 66);
    EXPECT_EQ(change.trackRows, (QList<int>{1, 3}));
}

TEST(Normalize, AllAgainstFullScaleChangesEveryTrack)
{
    PlayList list;
    fill(list, {analysed(4000, 0, 0, 10000), analysed(4000, 0, 0, 32767)});
    list.TrackAt(2).record.levelPercent = 10;
    LevelEditing::NormalizeAll(list, false);
    EXPECT_EQ(list.TrackAt(1).record.levelPercent, 327);
    EXPECT_EQ(list.TrackAt(2).record.levelPercent, 100);
}

TEST(Normalize, SingleTrackOrTheReferenceItselfChangesNothingAndKeepsTheUndoCopy)
{
    PlayList single;
    fill(single, {analysed(4000, 0, 0, 10000)});
    EXPECT_FALSE(LevelEditing::NormalizeOne(single, false).changed);
    EXPECT_FALSE(LevelEditing::NormalizeAll(single, true).changed);
    EXPECT_EQ(single.TrackAt(1).record.levelPercent, 100);
    EXPECT_EQ(single.UndoAvailable(), 0);

    PlayList list;
    fill(list, {analysed(4000, 0, 0, 10000), analysed(4000, 0, 0, 20000)});
    LevelEditing::CompressLevels(list);  // undo copy: both at 100
    list.SelectRow(3);
    EXPECT_FALSE(LevelEditing::NormalizeOne(list, true).changed);
    list.RestoreUndo();
    EXPECT_EQ(list.TrackAt(2).record.levelPercent, 100);
}

TEST(Normalize, AQuietReferenceAboveSixteenBitLevelsIsTakenWhole)
{
    // Peak 50 at level 40000 is an effective peak of 20000; the other track
    // must reach 20000 too, not a level derived from a wrapped 16-bit value.
    PlayList list;
    fill(list, {analysed(4000, 0, 0, 50), analysed(4000, 0, 0, 10000)});
    list.TrackAt(1).record.levelPercent = 40000;
    list.SelectRow(3);
    LevelEditing::NormalizeOne(list, true);
    EXPECT_EQ(list.TrackAt(2).record.levelPercent, 200);
}

TEST(Normalize, ATrackWithoutPeakKeepsItsLevel)
{
    // A track saved at level 0 has peak 0; there is nothing to divide by.
    PlayList list;
    fill(list, {analysed(4000, 0, 0, 0), analysed(4000, 0, 0, 10000)});
    list.TrackAt(1).record.levelPercent = 100;
    LevelEditing::NormalizeAll(list, false);
    EXPECT_EQ(list.TrackAt(1).record.levelPercent, 100);
    EXPECT_EQ(list.TrackAt(2).record.levelPercent, 327);
    list.SelectRow(1);
    LevelEditing::NormalizeOne(list, true);
    EXPECT_EQ(list.TrackAt(1).record.levelPercent, 100);
}

TEST(CompressLevels, TenPercentEachTimeTruncated)
{
    PlayList list;
    fill(list, {analysed(4000), analysed(4000)});
    list.TrackAt(2).record.levelPercent = 15;
    LevelEditing::CompressLevels(list);
    EXPECT_EQ(list.TrackAt(1).record.levelPercent, 90);
    EXPECT_EQ(list.TrackAt(2).record.levelPercent, 13);
    const ListChange change = LevelEditing::CompressLevels(list);
    EXPECT_EQ(list.TrackAt(1).record.levelPercent, 81);
    EXPECT_EQ(change.trackRows, (QList<int>{1, 2}));
    list.RestoreUndo();
    EXPECT_EQ(list.TrackAt(1).record.levelPercent, 90);
}
