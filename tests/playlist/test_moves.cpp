// Reordering: the four moves, the drag move and the fade editor's track.
#include <gtest/gtest.h>

#include <functional>

#include "track_factory.h"

using namespace playlisttest;

namespace {

// The timeline a list must have: every entry recomputed from scratch.
void expectConsistentTimeline(const PlayList& list)
{
    PlayList fresh;
    for (int i = 1; i <= list.TrackCount(); ++i)
        fresh.AddTrack(list.TrackAt(i).title, list.TrackAt(i).path, list.TrackAt(i).record);
    for (int i = 1; i <= list.TrackCount(); ++i) {
        EXPECT_EQ(list.TrackTimeline()[i].start, fresh.TrackTimeline()[i].start) << i;
        EXPECT_EQ(list.TrackTimeline()[i].dataEnd, fresh.TrackTimeline()[i].dataEnd) << i;
        EXPECT_EQ(list.TrackTimeline()[i].peak, fresh.TrackTimeline()[i].peak) << i;
    }
}

struct MoveCase {
    const char* name;
    int selected;
    std::function<ListChange(PlayList&)> move;
    const char* order;
    int cursorRow;
    int editorBefore;
    int editorAfter;
};

void PrintTo(const MoveCase& c, std::ostream* os) { *os << c.name; }

class Moves : public testing::TestWithParam<MoveCase> {};

}  // namespace

TEST_P(Moves, ReorderKeepTheMovedTrackSelectedAndUndoRestores)
{
    const MoveCase& c = GetParam();
    PlayList list;
    fillNumbered(list, 5);
    list.TrackAt(2).record.muteAdjustBytes = -8;
    list.TrackAt(4).record.muteAdjustBytes = 70560;
    list.UpdateTimeline(1, 5);
    list.SetEditorTrack(c.editorBefore);
    list.SelectRow(2 * c.selected - 1);

    const ListChange change = c.move(list);
    EXPECT_EQ(order(list), QString::fromLatin1(c.order));
    ASSERT_TRUE(change.cursorRow.has_value());
    EXPECT_EQ(*change.cursorRow, c.cursorRow);
    EXPECT_EQ(list.EditorTrack(), c.editorAfter);
    expectConsistentTimeline(list);
    list.RefreshCommands(*change.cursorRow, false);
    EXPECT_EQ(list.TrackAt(list.SelectedTrack()).title, QStringLiteral("T%1").arg(c.selected));

    list.RestoreUndo();
    EXPECT_EQ(order(list), QStringLiteral("T1 T2 T3 T4 T5"));
    EXPECT_EQ(list.EditorTrack(), c.editorBefore);
    expectConsistentTimeline(list);
}

INSTANTIATE_TEST_SUITE_P(
    PlayList, Moves,
    testing::Values(
        MoveCase{"DownEditorFollows", 2, &PlayList::MoveSelectedDown, "T1 T3 T2 T4 T5", 5, 2, 3},
        MoveCase{"DownEditorPassed", 2, &PlayList::MoveSelectedDown, "T1 T3 T2 T4 T5", 5, 3, 2},
        MoveCase{"UpEditorPassed", 4, &PlayList::MoveSelectedUp, "T1 T2 T4 T3 T5", 5, 3, 4},
        MoveCase{"TopEditorPushedDown", 4, &PlayList::MoveSelectedToTop, "T4 T1 T2 T3 T5", 1, 2, 3},
        MoveCase{"TopEditorBelowUntouched", 4, &PlayList::MoveSelectedToTop, "T4 T1 T2 T3 T5", 1, 5, 5},
        MoveCase{"EndFromTwo", 2, &PlayList::MoveSelectedToEnd, "T1 T3 T4 T5 T2", 9, 2, 5},
        MoveCase{"EndEditorPulledUp", 2, &PlayList::MoveSelectedToEnd, "T1 T3 T4 T5 T2", 9, 4, 3},
        MoveCase{"EndNoEditor", 1, &PlayList::MoveSelectedToEnd, "T2 T3 T4 T5 T1", 9, -1, -1},
        MoveCase{"DragDownOntoMuteRow", 2, [](PlayList& l) { return l.MoveTrackTo(8); }, "T1 T3 T4 T2 T5", 7, 2, 4},
        MoveCase{"DragUpEditorPushed", 4, [](PlayList& l) { return l.MoveTrackTo(1); }, "T4 T1 T2 T3 T5", 1, 2, 3},
        MoveCase{"DragBelowTheEnd", 2, [](PlayList& l) { return l.MoveTrackTo(11); }, "T1 T3 T4 T5 T2", 9, -2, -2},
        MoveCase{"DragAboveTheFirstRow", 3, [](PlayList& l) { return l.MoveTrackTo(-1); }, "T3 T1 T2 T4 T5", 1, 1, 2}),
    [](const testing::TestParamInfo<MoveCase>& info) { return std::string(info.param.name); });

TEST(PlayListMoves, RedrawTheRowsWhoseTextsDependOnTheMovedTracks)
{
    PlayList list;
    fillNumbered(list, 5);
    list.SelectRow(5);
    const ListChange down = list.MoveSelectedDown();
    EXPECT_EQ(down.muteRows, (QList<int>{2, 3, 4}));
    EXPECT_EQ(down.trackRows, (QList<int>{3, 4}));
    list.SelectRow(5);
    const ListChange up = list.MoveSelectedUp();
    EXPECT_EQ(up.muteRows, (QList<int>{1, 2, 3}));
    EXPECT_EQ(up.trackRows, (QList<int>{2, 3}));
}

TEST(PlayListMoves, DragOntoItsOwnRowsChangesNothingAndKeepsTheUndoCopy)
{
    PlayList list;
    fillNumbered(list, 3);
    list.SelectRow(5);
    list.MoveSelectedToTop();  // T3 T1 T2; undo copy holds T1 T2 T3
    list.SelectRow(3);
    for (int row : {3, 4}) {
        const ListChange change = list.MoveTrackTo(row);
        EXPECT_FALSE(change.changed) << row;
        EXPECT_FALSE(change.cursorRow.has_value()) << row;
    }
    EXPECT_EQ(order(list), QStringLiteral("T3 T1 T2"));
    list.RestoreUndo();
    EXPECT_EQ(order(list), QStringLiteral("T1 T2 T3"));
}

TEST(PlayListMoves, DragBelowTheEndOfTheLastTrackSetsTheSelectionEnd)
{
    PlayList list;
    fillNumbered(list, 3);
    list.SelectRow(5);
    const ListChange change = list.MoveTrackTo(7);
    EXPECT_FALSE(change.changed);
    EXPECT_EQ(change.selectionEndRow, 5);
    EXPECT_EQ(list.UndoAvailable(), 0);
}

TEST(PlayListMoves, GuardAgainstMovesPastEitherEnd)
{
    PlayList list;
    fillNumbered(list, 2);
    list.SelectRow(1);
    EXPECT_FALSE(list.MoveSelectedUp().changed);
    EXPECT_FALSE(list.MoveSelectedToTop().changed);
    list.SelectRow(3);
    EXPECT_FALSE(list.MoveSelectedDown().changed);
    EXPECT_FALSE(list.MoveSelectedToEnd().changed);
    EXPECT_EQ(order(list), QStringLiteral("T1 T2"));
    EXPECT_EQ(list.UndoAvailable(), 0);
}

struct MoveListCase {
    int editor;
    int from;
    int to;
    int expected;
};

class MoveListRules : public testing::TestWithParam<MoveListCase> {};

TEST_P(MoveListRules, KeepTheEditorOnItsTrack)
{
    const MoveListCase& c = GetParam();
    PlayList list;
    list.SetEditorTrack(c.editor);
    EXPECT_EQ(list.MoveList(c.from, c.to), c.from == -1);
    EXPECT_EQ(list.EditorTrack(), c.expected);
}

INSTANTIATE_TEST_SUITE_P(PlayList, MoveListRules,
                         testing::Values(MoveListCase{2, 2, 5, 5}, MoveListCase{2, 4, 1, 3},
                                         MoveListCase{5, 2, 5, 4}, MoveListCase{1, 2, 5, 1},
                                         MoveListCase{3, 4, 3, 4}, MoveListCase{4, 1, 3, 4},
                                         MoveListCase{3, -1, 0, -1}, MoveListCase{-2, 1, 3, -2},
                                         MoveListCase{-1, 3, 1, -1}));
