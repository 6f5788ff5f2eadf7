// Which commands of the three windows can be used, decided in one place.
#pragma once

#include <QHash>
#include <QString>

enum class CommandState {
    Kept,  // leave the control as it is
    On,
    Off,
};

struct CommandInputs {
    int trackCount = 0;
    int cursorRow = 1;           // the grid's cursor row
    bool playerActive = false;   // PlayerActive = 1
    bool undoAvailable = false;  // UndoAvailable = 1
    int editorTrack = -1;        // EditorTrack
};

// The table's answer. Controls are keyed per window by object name: menu
// items by their name ("mnuEditDel"), toolbar buttons by their key ("del").
// A control missing from a map is kept.
struct CommandStates {
    int cursorRow = 1;           // corrected grid cursor row
    int selectedTrack = 1;       // SelectedTrack
    int onTrackRow = 1;          // OnTrackRow
    bool showSelection = false;  // select columns 0..7 of the cursor row and highlight it
    bool disableFadeEditing = false; // the fade editor's ShowButton with both flags false
    QHash<QString, CommandState> playList;  // fPlayList menu items and Toolbar1 keys
    QHash<QString, CommandState> playBar;   // fPlayBar toolbar keys
    QHash<QString, CommandState> fadeEditor;// fFadeInEditer toolbar keys

    CommandState playListState(const QString& name) const { return playList.value(name, CommandState::Kept); }
    CommandState playBarState(const QString& key) const { return playBar.value(key, CommandState::Kept); }
    CommandState fadeEditorState(const QString& key) const { return fadeEditor.value(key, CommandState::Kept); }
};

// RefreshCommands' decision: the selection from the cursor row, then the
// column of the Empty, Playing, Track row or MUTE row state, then the first
// and last track rule. The caller applies it and refreshes the status bar.
CommandStates ComputeCommandStates(const CommandInputs& inputs);
