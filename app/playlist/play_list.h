// The play list: up to 30 tracks in play order, their timeline on the disc,
// the selection and the one-level undo copy.
#pragma once

#include <array>
#include <optional>

#include "command_states.h"
#include "list_change.h"
#include "timeline_entry.h"
#include "track.h"

// Slots 1..TrackCount() of TrackList() hold the tracks in play order. Slot 0
// is a sentinel with muteAdjustBytes 0 so that track 1 starts at byte 0;
// slots above the count hold no track but keep their contents, their colour
// in particular. Every slot gets its start-up colour at construction and
// colours then travel with their records.
//
// The fade editor's track (EditorTrack, -1 when none) is kept here too, so
// that delete, the moves and undo keep it on its track. The fade editor
// reads and sets it through EditorTrack()/SetEditorTrack().
//
// Commands change the model and return a ListChange that names the grid
// rows, the play bar and the command states to refresh. All members run on
// the user-interface thread; the playback worker may only read records and
// timeline entries while no command runs (the command states forbid list
// changes during playback).
class PlayList {
public:
    static constexpr int MaxTracks = 30;
    static constexpr int SlotCount = MaxTracks + 1;

    PlayList();

    const std::array<Track, SlotCount>& TrackList() const { return m_trackList; }
    // A slot for in-place edits of its record (fade editor, save workflow).
    // Callers that change lengths or mutes call UpdateTimeline afterwards.
    Track& TrackAt(int slot) { return m_trackList.at(slot); }
    const Track& TrackAt(int slot) const { return m_trackList.at(slot); }
    int TrackCount() const { return m_trackCount; }
    int SelectedTrack() const { return m_selectedTrack; }
    int OnTrackRow() const { return m_onTrackRow; }
    const std::array<TimelineEntry, SlotCount>& TrackTimeline() const { return m_trackTimeline; }
    // The disc's length: the last track's dataEnd plus its mute (0 when empty).
    qint64 DiscLength() const;

    // The disc's CD-TEXT as the user set it. The undo copy keeps it with the
    // tracks; a track that joins an empty list starts a new disc without it.
    const DiscTexts& DiscText() const { return m_discTexts; }
    void SetDiscText(const DiscTexts& texts) { m_discTexts = texts; }

    int EditorTrack() const { return m_editorTrack; }
    void SetEditorTrack(int track) { m_editorTrack = track; }

    // Turns a grid cursor row into SelectedTrack and OnTrackRow: a row below
    // the last MUTE row counts as the last MUTE row. Returns the row used.
    // With an empty list the selection becomes track 1, own row, and row 1.
    int SelectRow(int cursorRow);

    // Undo copy.
    const std::array<Track, SlotCount>& UndoList() const { return m_undoList; }
    int UndoCount() const { return m_undoCount; }
    int UndoEditorTrack() const { return m_undoEditorTrack; }
    int UndoAvailable() const { return m_undoAvailable; }
    void SetUndoEditorTrack(int track) { m_undoEditorTrack = track; }
    // Copies tracks 1..TrackCount and EditorTrack; undo becomes available.
    void SaveUndo();
    // Brings back the copy; undo becomes unavailable. The fade editor stays
    // on the file it shows, at that file's place in the copy, or loses its
    // track when the copy does not hold the file; an editor without a track
    // gets the one it had when the copy was taken.
    ListChange RestoreUndo();
    // After opening, dropping or saving files the copy no longer applies.
    void InvalidateUndo() { m_undoAvailable = 0; }

    // Recomputes timeline entries first..last from their predecessors.
    void UpdateTimeline(int first, int last);

    // Puts an analysed track into slot TrackCount+1, or slot 30 when the list
    // is full (replacing the last track). The slot's colour is kept; the
    // file's version and record are the caller's to set. The fade editor
    // loses a track that is replaced (EditorTrack -1).
    // Returns the slot used.
    int AddTrack(const QString& title, const QString& path, const TrackRecord& analysed);
    // The rows AddTrack's caller redraws: the previous track's MUTE row and
    // both rows of the new track, and the play bar; and the editor's empty
    // state when the last AddTrack replaced its track.
    ListChange AddedTrackChange(int slot) const;

    // Empties the list, as opening a list file does before it fills it
    // again: every slot keeps its colour, the fade editor loses its track and
    // the undo copy no longer applies. The change blanks the former rows and
    // writes the END line of the empty list.
    ListChange RemoveAllTracks();

    // RefreshCommands: takes the selection from the grid's cursor row and
    // decides every command state. The caller applies the states, moves the
    // grid cursor to the corrected row and refreshes the status bar.
    CommandStates RefreshCommands(int cursorRow, bool playerActive);

    // Delete and the four moves act on SelectedTrack, which must be a track
    // row (the command states allow them only there). The moved track stays
    // selected: the change names its own row as the new cursor row.
    ListChange DeleteSelected();
    ListChange MoveSelectedToTop();
    ListChange MoveSelectedUp();
    ListChange MoveSelectedDown();
    ListChange MoveSelectedToEnd();
    // Drag move: dropRow is the grid's selection-end row where the drag
    // ended. Nothing happens (and no undo copy is taken) when it lands on the
    // dragged track's own place.
    ListChange MoveTrackTo(int dropRow);

    // Keeps EditorTrack on its track after a track moved from `from` to `to`;
    // from = -1 means the editor's track was deleted. Returns true when the
    // editor lost its track.
    bool MoveList(int from, int to);

private:
    // Moves the selected track to place t (undo copy taken first), adding
    // the rows to redraw to change.
    ListChange moveSelectedTo(int t, ListChange change);
    void placeFromUndo(int slot, int undoSlot);
    // The editor's track once the copy is back in the list; shownPath is
    // the file the editor showed before, if any.
    int editorTrackAfterUndo(const std::optional<QString>& shownPath) const;

    std::array<Track, SlotCount> m_trackList{};
    std::array<Track, SlotCount> m_undoList{};
    DiscTexts m_discTexts;
    DiscTexts m_undoDiscTexts;
    std::array<TimelineEntry, SlotCount> m_trackTimeline{};
    int m_trackCount = 0;
    int m_selectedTrack = 1;
    int m_onTrackRow = 1;
    int m_undoCount = 0;
    int m_undoEditorTrack = -1;
    int m_undoAvailable = 0;
    int m_editorTrack = -1;
    bool m_editorTrackReplaced = false;  // the last AddTrack replaced the editor's track
};
