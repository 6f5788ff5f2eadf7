// The command-state table: selection, the four situations, first and last track.
#include <gtest/gtest.h>

#include "command_states.h"
#include "qstring_printer.h"

namespace {

constexpr auto On = CommandState::On;
constexpr auto Off = CommandState::Off;
constexpr auto Kept = CommandState::Kept;

CommandStates compute(int trackCount, int cursorRow, bool playing = false, bool undo = false, int editor = -1)
{
    CommandInputs in;
    in.trackCount = trackCount;
    in.cursorRow = cursorRow;
    in.playerActive = playing;
    in.undoAvailable = undo;
    in.editorTrack = editor;
    return ComputeCommandStates(in);
}

// Every main-window control the table names, menu item and button alike.
const QStringList MainControls = {
    "mnuFileOpen", "open", "mnuFileSave", "mnuFileAnother", "mnuEditBack", "back", "mnuEditMute",
    "mnuEditLevel", "mnuEditAutoMuteOne", "AutoMute", "mnuEditAutoMuteAll", "mnuEditNomalizeOne",
    "Nomalize", "mnuEditNomalizeAll", "mnuEditLevelComp", "mnuEditFadeIn", "EditFadeIn", "mnuEditFadeOut",
    "EditFadeOut", "mnuEditDel", "del", "mnuMoveTop", "top", "mnuMoveUp", "up", "mnuMoveDown", "down",
    "mnuMoveLast", "last", "mnuPlayStart", "play", "mnuPlayPeak", "playpeak", "mnuPlayStop", "stop",
    "mnuEditCdText"};

QStringList enabled(const CommandStates& states)
{
    QStringList names;
    for (const QString& name : MainControls)
        if (states.playListState(name) == On)
            names << name;
    return names;
}

}  // namespace

struct SelectionCase {
    int trackCount;
    int cursorRow;
    int expectedRow;
    int selectedTrack;
    int onTrackRow;
};

class Selection : public testing::TestWithParam<SelectionCase> {};

TEST_P(Selection, FollowsTheCursorRowAndNeverTheEndRow)
{
    const SelectionCase& c = GetParam();
    const CommandStates states = compute(c.trackCount, c.cursorRow);
    EXPECT_EQ(states.cursorRow, c.expectedRow);
    EXPECT_EQ(states.selectedTrack, c.selectedTrack);
    EXPECT_EQ(states.onTrackRow, c.onTrackRow);
    EXPECT_EQ(states.showSelection, c.trackCount > 0);
}

INSTANTIATE_TEST_SUITE_P(PlayList, Selection,
                         testing::Values(SelectionCase{3, 5, 5, 3, 1}, SelectionCase{3, 4, 4, 2, 0},
                                         SelectionCase{3, 7, 6, 3, 0}, SelectionCase{3, 61, 6, 3, 0},
                                         SelectionCase{3, 0, 1, 1, 1}, SelectionCase{0, 9, 1, 1, 1}));

TEST(CommandStates, TrackRowOfAMiddleTrack)
{
    const CommandStates s = compute(3, 3, false, true, 2);
    EXPECT_EQ(enabled(s), (QStringList{"mnuFileOpen", "open", "mnuFileSave", "mnuFileAnother", "mnuEditBack", "back",
                                       "mnuEditLevel", "mnuEditAutoMuteAll", "mnuEditNomalizeOne", "Nomalize",
                                       "mnuEditNomalizeAll", "mnuEditLevelComp", "mnuEditFadeIn", "EditFadeIn",
                                       "mnuEditFadeOut", "EditFadeOut", "mnuEditDel", "del", "mnuMoveTop", "top",
                                       "mnuMoveUp", "up", "mnuMoveDown", "down", "mnuMoveLast", "last",
                                       "mnuPlayStart", "play", "mnuPlayPeak", "playpeak", "mnuEditCdText"}));
    EXPECT_EQ(s.fadeEditorState("play"), On);
    EXPECT_EQ(s.playBarState("beforepeak"), On);
    EXPECT_EQ(s.playBarState("stop"), Off);
    EXPECT_FALSE(s.disableFadeEditing);
}

TEST(CommandStates, MuteRow)
{
    const CommandStates s = compute(3, 4);
    EXPECT_EQ(enabled(s), (QStringList{"mnuFileOpen", "open", "mnuFileSave", "mnuFileAnother", "mnuEditMute",
                                       "mnuEditAutoMuteOne", "AutoMute", "mnuEditAutoMuteAll",
                                       "mnuEditNomalizeAll", "mnuEditLevelComp", "mnuPlayStart", "play",
                                       "mnuPlayPeak", "playpeak", "mnuEditCdText"}));
    EXPECT_EQ(s.playListState("mnuEditBack"), Off);
}

TEST(CommandStates, SingleTrackCannotMoveButCanBeEdited)
{
    const CommandStates s = compute(1, 1);
    for (const char* name : {"mnuMoveTop", "top", "mnuMoveUp", "up", "mnuMoveDown", "down", "mnuMoveLast", "last"})
        EXPECT_EQ(s.playListState(name), Off) << name;
    for (const char* name : {"mnuEditDel", "mnuEditLevel", "mnuEditNomalizeOne", "mnuEditFadeIn", "mnuEditFadeOut"})
        EXPECT_EQ(s.playListState(name), On) << name;
}

TEST(CommandStates, FirstAndLastTrackRule)
{
    const CommandStates first = compute(3, 1);
    EXPECT_EQ(first.playListState("up"), Off);
    EXPECT_EQ(first.playListState("mnuMoveTop"), Off);
    EXPECT_EQ(first.playListState("down"), On);
    const CommandStates last = compute(3, 5);
    EXPECT_EQ(last.playListState("mnuMoveUp"), On);
    EXPECT_EQ(last.playListState("last"), Off);
    EXPECT_EQ(last.playListState("mnuMoveDown"), Off);
}

TEST(CommandStates, PlayingLeavesStopAndTheLevelDialogOnATrackRow)
{
    const CommandStates track = compute(3, 3, true, true, 2);
    EXPECT_EQ(enabled(track), (QStringList{"mnuEditLevel", "mnuPlayStop", "stop"}));
    EXPECT_EQ(track.playBarState("stop"), On);
    EXPECT_EQ(track.playBarState("play"), Off);
    EXPECT_EQ(track.playBarState("afterpeak"), On);
    EXPECT_EQ(track.fadeEditorState("stop"), On);
    EXPECT_EQ(track.fadeEditorState("play"), Off);
    EXPECT_TRUE(track.disableFadeEditing);
    const CommandStates mute = compute(3, 4, true);
    EXPECT_EQ(enabled(mute), (QStringList{"mnuPlayStop", "stop"}));
}

TEST(CommandStates, EmptyKeepsOpenUndoMuteAndMoves)
{
    const CommandStates s = compute(0, 3, false, true, -1);
    for (const char* name : {"mnuFileOpen", "open", "mnuEditBack", "back", "mnuEditMute", "mnuMoveTop", "top",
                             "mnuMoveUp", "mnuMoveDown", "mnuMoveLast", "last"})
        EXPECT_EQ(s.playListState(name), Kept) << name;
    EXPECT_TRUE(enabled(s).isEmpty());
    for (const char* key : {"play", "playpeak", "stop", "beforepeak", "afterpeak"})
        EXPECT_EQ(s.playBarState(key), Off) << key;
    EXPECT_EQ(s.fadeEditorState("play"), Off);
    EXPECT_EQ(s.fadeEditorState("stop"), Off);
    EXPECT_FALSE(s.disableFadeEditing);
    EXPECT_EQ(s.cursorRow, 1);
}

struct EditorCase {
    int editorTrack;
    CommandState play;
};

class EditorPlay : public testing::TestWithParam<EditorCase> {};

TEST_P(EditorPlay, OnlyWithATrackLoaded)
{
    for (int row : {1, 2})
        EXPECT_EQ(compute(2, row, false, false, GetParam().editorTrack).fadeEditorState("play"), GetParam().play);
}

INSTANTIATE_TEST_SUITE_P(PlayList, EditorPlay,
                         testing::Values(EditorCase{-1, Off}, EditorCase{-2, Off}, EditorCase{1, On},
                                         EditorCase{2, On}));
