// What a play-list command changed, for the windows to redraw.
#pragma once

#include <QList>
#include <optional>

// The model changes itself; the windows then redraw what this names. Track
// rows are redrawn with ShowTrackRow, mute rows with ShowMuteRow (index 0 and
// the last track also write the END row), blanked grid rows get all 8 cells
// cleared. Apply in this order: rows, blanks, cursor row, play bar, commands.
struct ListChange {
    bool changed = false;              // the list or a record changed
    QList<int> trackRows;              // track indices whose own row to redraw
    QList<int> muteRows;               // track indices (0 allowed) whose MUTE row to redraw
    QList<int> blankGridRows;          // grid rows to clear
    std::optional<int> cursorRow;      // new grid cursor row
    std::optional<int> selectionEndRow;// new grid selection-end row (drag past the end)
    bool redrawPlayBar = false;
    bool refreshCommands = false;      // call RefreshCommands afterwards
    bool enableUndoCommand = false;    // after RefreshCommands: enable mnuEditBack and "back"
    bool enableSaveCommands = false;   // enable mnuFileSave and mnuFileAnother (an undo copy was taken)
    bool editorTrackDeleted = false;   // the fade editor's track is gone; it shows the empty state
    bool redrawEditor = false;         // the fade editor redraws the track it now shows
    QList<int> hiddenEditorMenuEntries; // fade editor File-menu track entries to hide
};
