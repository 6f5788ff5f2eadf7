// The play list's storage, timeline, deletion, colours and undo.
#include <gtest/gtest.h>

#include <set>

#include "track_colors.h"
#include "track_factory.h"

using namespace playlisttest;

namespace {

std::set<int32_t> colorsOf(const PlayList& list, int first, int last)
{
    std::set<int32_t> colors;
    for (int slot = first; slot <= last; ++slot)
        colors.insert(list.TrackAt(slot).record.color);
    return colors;
}

}  // namespace

TEST(PlayListStart, IsEmptyWithStartUpColours)
{
    PlayList list;
    EXPECT_EQ(list.TrackCount(), 0);
    EXPECT_EQ(list.SelectedTrack(), 1);
    EXPECT_EQ(list.OnTrackRow(), 1);
    EXPECT_EQ(list.EditorTrack(), -1);
    EXPECT_EQ(list.UndoAvailable(), 0);
    EXPECT_EQ(list.DiscLength(), 0);
    EXPECT_EQ(list.TrackAt(0).record.color, 0);
    EXPECT_EQ(list.TrackAt(1).record.color, 0xFF8080);
    EXPECT_EQ(list.TrackAt(8).record.color, 0x0080FF);
    EXPECT_EQ(list.TrackAt(15).record.color, 0x800080);
    for (int slot = 16; slot <= 30; ++slot)
        EXPECT_EQ(list.TrackAt(slot).record.color, StartupTrackColor(slot - 15)) << slot;
    EXPECT_EQ(colorsOf(list, 1, 15).size(), 15u);
}

TEST(PlayListTimeline, ChainsTracksThroughTheirMutes)
{
    PlayList list;
    fill(list, {analysed(1000, 100, 200), analysed(2000, 40, 60), analysed(3000)});
    list.TrackAt(1).record.muteAdjustBytes = 500;
    list.TrackAt(2).record.muteAdjustBytes = -52;
    list.TrackAt(2).record.peakOffset = 1;
    list.UpdateTimeline(1, 3);
    const auto& t = list.TrackTimeline();
    EXPECT_EQ(t[1].start, 0);
    EXPECT_EQ(t[1].soundStart, 100);
    EXPECT_EQ(t[1].soundEnd, 800);
    EXPECT_EQ(t[1].dataEnd, 1000);
    EXPECT_EQ(t[2].start, 1500);
    EXPECT_EQ(t[2].peak, 1501);
    EXPECT_EQ(t[2].dataEnd, 3500);
    // A negative mute pulls the next track's start before the previous end.
    EXPECT_EQ(t[3].start, 3448);
    EXPECT_LT(t[3].start, t[2].dataEnd);
    EXPECT_EQ(list.DiscLength(), 6448);
}

TEST(PlayListTimeline, LongListsDoNotWrapAround)
{
    PlayList list;
    fill(list, std::vector<TrackRecord>(30, analysed(2000000000)));
    EXPECT_EQ(list.DiscLength(), 60000000000LL);
}

TEST(PlayListAdd, ThirtyFirstFileReplacesTrackThirtyAndKeepsItsColour)
{
    PlayList list;
    fillNumbered(list, 30);
    const int32_t color = list.TrackAt(30).record.color;
    TrackRecord replacement = analysed(4444);
    replacement.color = 0x123456;
    const int slot = list.AddTrack(QStringLiteral("new"), QStringLiteral("/new.wav"), replacement);
    EXPECT_EQ(slot, 30);
    EXPECT_EQ(list.TrackCount(), 30);
    EXPECT_EQ(list.TrackAt(30).title, QStringLiteral("new"));
    EXPECT_EQ(list.TrackAt(30).record.dataBytes, 4444);
    EXPECT_EQ(list.TrackAt(30).record.color, color);
    EXPECT_EQ(list.TrackTimeline()[30].start, list.TrackTimeline()[29].dataEnd);
    const ListChange change = list.AddedTrackChange(slot);
    EXPECT_EQ(change.muteRows, (QList<int>{29, 30}));
    EXPECT_EQ(change.trackRows, QList<int>{30});
}

TEST(PlayListDelete, OnlyTrackLeavesAnEmptyListThatUndoRestores)
{
    PlayList list;
    fillNumbered(list, 1);
    const ListChange change = list.DeleteSelected();
    EXPECT_EQ(list.TrackCount(), 0);
    EXPECT_EQ(change.muteRows, QList<int>{0});
    EXPECT_EQ(change.blankGridRows, (QList<int>{2, 3}));
    EXPECT_FALSE(change.cursorRow.has_value());
    EXPECT_TRUE(change.enableUndoCommand);
    EXPECT_EQ(change.hiddenEditorMenuEntries, QList<int>{1});
    EXPECT_EQ(list.DiscLength(), 0);

    const ListChange undo = list.RestoreUndo();
    EXPECT_EQ(order(list), QStringLiteral("T1"));
    EXPECT_EQ(undo.trackRows, QList<int>{1});
    EXPECT_EQ(undo.muteRows, QList<int>{1});
    EXPECT_EQ(list.UndoAvailable(), 0);
    EXPECT_EQ(list.DiscLength(), 176400);
}

TEST(PlayListDelete, LastTrackMovesTheCursorToTheNewLastTrack)
{
    PlayList list;
    fillNumbered(list, 3);
    list.SelectRow(5);
    const ListChange change = list.DeleteSelected();
    EXPECT_EQ(order(list), QStringLiteral("T1 T2"));
    EXPECT_EQ(change.cursorRow, 3);
    EXPECT_EQ(change.muteRows, QList<int>{2});
    EXPECT_EQ(change.blankGridRows, (QList<int>{6, 7}));
}

TEST(PlayListDelete, MiddleTrackKeepsTheCursorOnTheFollowingTrack)
{
    PlayList list;
    fillNumbered(list, 4);
    list.SelectRow(3);
    const ListChange change = list.DeleteSelected();
    EXPECT_EQ(order(list), QStringLiteral("T1 T3 T4"));
    EXPECT_FALSE(change.cursorRow.has_value());
    EXPECT_EQ(change.trackRows, (QList<int>{2, 3}));
    EXPECT_EQ(change.muteRows, (QList<int>{2, 3, 1}));
    EXPECT_EQ(list.TrackTimeline()[2].start, 176400);
    EXPECT_EQ(list.TrackTimeline()[3].start, 176400 * 4);
}

TEST(PlayListDelete, ColoursStayAPermutationOfTheStartUpColours)
{
    PlayList list;
    fillNumbered(list, 5);
    const int32_t c3 = list.TrackAt(3).record.color;
    const int32_t c4 = list.TrackAt(4).record.color;
    const std::set<int32_t> before = colorsOf(list, 1, 30);
    list.SelectRow(5);
    list.DeleteSelected();
    list.SelectRow(5);
    list.DeleteSelected();
    EXPECT_EQ(order(list), QStringLiteral("T1 T2 T5"));
    EXPECT_EQ(colorsOf(list, 1, 5).size(), 5u);
    EXPECT_EQ(list.TrackAt(4).record.color, c4);
    EXPECT_EQ(list.TrackAt(5).record.color, c3);
    EXPECT_EQ(colorsOf(list, 1, 30), before);
}

TEST(PlayListDelete, KeepsTheFadeEditorOnItsTrackAndUndoRestoresIt)
{
    PlayList list;
    fillNumbered(list, 5);
    list.SetEditorTrack(4);
    list.SelectRow(3);
    EXPECT_FALSE(list.DeleteSelected().editorTrackDeleted);
    EXPECT_EQ(list.EditorTrack(), 3);
    list.SelectRow(5);
    EXPECT_TRUE(list.DeleteSelected().editorTrackDeleted);
    EXPECT_EQ(list.EditorTrack(), -1);
    list.RestoreUndo();
    EXPECT_EQ(list.EditorTrack(), 3);
    EXPECT_EQ(order(list), QStringLiteral("T1 T3 T4 T5"));
}

TEST(PlayListUndo, OneLevelDeep)
{
    PlayList list;
    fillNumbered(list, 3);
    list.SelectRow(1);
    list.MoveSelectedToEnd();  // T2 T3 T1
    list.SelectRow(1);
    list.DeleteSelected();     // T3 T1
    EXPECT_EQ(list.UndoAvailable(), 1);
    list.RestoreUndo();
    EXPECT_EQ(order(list), QStringLiteral("T2 T3 T1"));
    EXPECT_EQ(list.UndoAvailable(), 0);
    // The timeline follows the restored order.
    EXPECT_EQ(list.TrackTimeline()[3].start, 176400 * 5);
}

TEST(PlayListUndo, RestoresTitlesAndPathsWithTheRecords)
{
    PlayList list;
    fillNumbered(list, 2);
    list.SaveUndo();
    list.TrackAt(1).title = QStringLiteral("renamed");
    list.TrackAt(1).path = QStringLiteral("/elsewhere.wav");
    list.RestoreUndo();
    EXPECT_EQ(list.TrackAt(1).title, QStringLiteral("T1"));
    EXPECT_EQ(list.TrackAt(1).path, QStringLiteral("/music/T1.wav"));
}
