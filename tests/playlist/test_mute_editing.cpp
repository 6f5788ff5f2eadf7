// Mute rules: the mute dialog's split and check, and automatic mute.
#include <gtest/gtest.h>

#include "list_texts.h"
#include "mute_editing.h"
#include "track_factory.h"

using namespace playlisttest;

namespace {

struct MuteInput {
    bool negative;
    const char* minutes;
    const char* seconds;
    const char* frames;
    int32_t expectedMute;     // when accepted
    const char* refusedWith;  // null: accepted
};

class MuteDialog : public testing::TestWithParam<MuteInput> {};

}  // namespace

TEST_P(MuteDialog, ComputesTheMuteOrRefusesIt)
{
    const MuteInput& c = GetParam();
    PlayList list;
    fill(list, {analysed(1000000, 0, 300000), analysed(176400)});
    list.SaveUndo();
    list.TrackAt(1).record.muteAdjustBytes = 4;  // the state the undo copy does not hold
    const DialogOutcome outcome = MuteEditing::ApplyMute(list, 1, c.negative, QString::fromLatin1(c.minutes),
                                                         QString::fromLatin1(c.seconds), QString::fromLatin1(c.frames));
    if (c.refusedWith) {
        ASSERT_TRUE(outcome.message.has_value());
        EXPECT_EQ(outcome.message->text, QString::fromUtf8(c.refusedWith));
        EXPECT_EQ(outcome.message->caption, QStringLiteral("ｴﾗｰ"));
        EXPECT_EQ(list.TrackAt(1).record.muteAdjustBytes, 4);
        EXPECT_EQ(list.UndoList()[1].record.muteAdjustBytes, 0);
    } else {
        EXPECT_FALSE(outcome.message.has_value());
        EXPECT_EQ(list.TrackAt(1).record.muteAdjustBytes, c.expectedMute);
        EXPECT_EQ(list.TrackTimeline()[2].start, 1000000 + c.expectedMute);
        EXPECT_EQ(outcome.change.muteRows, (QList<int>{1, 2}));
        EXPECT_EQ(list.UndoList()[1].record.muteAdjustBytes, 4);
    }
}

namespace {
const char* const TooLong = "設定したMUTE時間は長すぎます";
const char* const BeyondPostMute = "ﾏｲﾅｽのMUTE時間がPostMuteを超える設定は出来ません";
}  // namespace

INSTANTIATE_TEST_SUITE_P(
    PlayList, MuteDialog,
    testing::Values(MuteInput{false, "0", "2", "0", 352800, nullptr},
                    MuteInput{true, "0", "2", "0", 0, BeyondPostMute},
                    MuteInput{true, "0", "1", "52", -176400 - 52 * 2352, nullptr},
                    MuteInput{true, "0", "1", "53", 0, BeyondPostMute},
                    MuteInput{false, "0", "90", "0", 90 * 176400, nullptr},
                    MuteInput{false, "-1.5", "x", "75", 2 * 10584000 + 176400, nullptr},
                    MuteInput{false, "", "", "", 0, nullptr},
                    MuteInput{false, "202", "", "", 202 * 10584000, nullptr},
                    MuteInput{false, "203", "", "", 0, TooLong},
                    MuteInput{false, "1e300", "", "", 0, TooLong},
                    MuteInput{true, "1e300", "", "", 0, TooLong}));

TEST(MuteDialog, RefusesAMuteThatTheTracksFileCouldNotHold)
{
    // 202 minutes fit 32 bits, but not behind 100 MB of data: the saved
    // file's sizes would wrap.
    PlayList list;
    fill(list, {analysed(100000000)});
    const DialogOutcome outcome = MuteEditing::ApplyMute(list, 1, false, QStringLiteral("202"), {}, {});
    ASSERT_TRUE(outcome.message.has_value());
    EXPECT_EQ(outcome.message->text, QString::fromUtf8(TooLong));
    EXPECT_EQ(list.TrackAt(1).record.muteAdjustBytes, 0);
}

TEST(MuteDialog, SplitsTheCurrentMuteAsTheTimeTextDoes)
{
    const MuteParts parts = MuteEditing::SplitMute(-(635040000 + 3 * 10584000 + 7 * 176400 + 5 * 2352 + 100));
    EXPECT_TRUE(parts.negative);
    EXPECT_EQ(parts.minutes, 3);
    EXPECT_EQ(parts.seconds, 7);
    EXPECT_EQ(parts.frames, 5);
    EXPECT_FALSE(MuteEditing::SplitMute(0).negative);
    const MuteParts largest = MuteEditing::SplitMute(std::numeric_limits<int32_t>::min());
    EXPECT_TRUE(largest.negative);
    EXPECT_EQ(largest.minutes, 22);
}

TEST(MuteDialog, Prompt)
{
    PlayList list;
    fill(list, {analysed(4000)});
    EXPECT_EQ(MuteEditing::MutePrompt(list, 1), QStringLiteral("No.1:\"T1\"のMute Lengthを入力してください"));
}

struct AutoMuteCase {
    const char* name;
    int32_t postMute;
    int32_t nextPreMute;
    int32_t expectedMute;
};

void PrintTo(const AutoMuteCase& c, std::ostream* os) { *os << c.name; }

class AutoMute : public testing::TestWithParam<AutoMuteCase> {};

TEST_P(AutoMute, AimsAtTheConfiguredGapWithoutCuttingIntoTheSound)
{
    const AutoMuteCase& c = GetParam();
    PlayList list;
    fill(list, {analysed(20000000, 0, c.postMute), analysed(20000000, c.nextPreMute, 0)});
    list.SelectRow(2);
    const ListChange change = MuteEditing::AutoMuteOne(list, 300);
    EXPECT_EQ(list.TrackAt(1).record.muteAdjustBytes, c.expectedMute);
    EXPECT_EQ(list.TrackTimeline()[2].start, 20000000 + c.expectedMute);
    EXPECT_EQ(change.trackRows, (QList<int>{1, 2}));
    EXPECT_EQ(list.UndoAvailable(), 1);
}

INSTANTIATE_TEST_SUITE_P(PlayList, AutoMute,
                         testing::Values(AutoMuteCase{"ShortSilences", 10000, 5000, 691488},
                                         AutoMuteCase{"LongTrailingSilence", 2000000, 0, -1293600},
                                         AutoMuteCase{"ClampedToTheTrailingSectors", 0, 10000000, 0},
                                         AutoMuteCase{"ClampKeepsPartOfASector", 5000, 10000000, -4704}),
                         [](const testing::TestParamInfo<AutoMuteCase>& info) { return std::string(info.param.name); });

TEST(AutoMute, TotalGapShowsTheTarget)
{
    PlayList list;
    fill(list, {analysed(20000000, 0, 10000), analysed(20000000, 5000, 0)});
    list.SelectRow(2);
    MuteEditing::AutoMuteOne(list, 300);
    EXPECT_EQ(ListTexts::MuteRowCells(list, 1).at(6), QStringLiteral("0:00:04:00"));
}

TEST(AutoMute, TheLastTracksGapCountsNoNextTrackEvenAfterDeletions)
{
    PlayList list;
    fill(list, {analysed(20000000, 0, 10000), analysed(20000000, 1000000, 0)});
    list.SelectRow(3);
    list.DeleteSelected();  // slot 2 keeps the deleted track's long leading silence
    list.SelectRow(2);
    MuteEditing::AutoMuteOne(list, 300);
    EXPECT_EQ(list.TrackAt(1).record.muteAdjustBytes, 705600 - 4 * 2352);
    EXPECT_EQ(ListTexts::MuteRowCells(list, 1).at(6), QStringLiteral("0:00:04:00"));

    PlayList full;
    fillNumbered(full, 30);
    full.SelectRow(60);
    MuteEditing::AutoMuteOne(full, 300);
    EXPECT_EQ(full.TrackAt(30).record.muteAdjustBytes, 705600);
}

TEST(AutoMute, AllGapsButTheLast)
{
    PlayList list;
    fill(list, {analysed(4000000, 0, 4704), analysed(4000000, 2352, 0), analysed(4000000)});
    list.TrackAt(3).record.muteAdjustBytes = 123;
    const ListChange change = MuteEditing::AutoMuteAll(list, 75);
    EXPECT_EQ(list.TrackAt(1).record.muteAdjustBytes, 176400 - 3 * 2352);
    EXPECT_EQ(list.TrackAt(2).record.muteAdjustBytes, 176400);
    EXPECT_EQ(list.TrackAt(3).record.muteAdjustBytes, 123);
    EXPECT_EQ(list.TrackTimeline()[3].start, 8000000 + 2 * 176400 - 3 * 2352);
    EXPECT_EQ(change.trackRows, (QList<int>{1, 2, 3}));
}

TEST(AutoMute, AHugeTargetStopsAtWhatTheTracksFileCanHold)
{
    PlayList list;
    fill(list, {analysed(100000000)});
    MuteEditing::AutoMuteTrack(list, 1, 2000000);
    EXPECT_EQ(list.TrackAt(1).record.muteAdjustBytes, std::numeric_limits<int32_t>::max() - 100000036);
}
