#include "play_list.h"

#include <algorithm>

#include "track_colors.h"

PlayList::PlayList()
{
    for (int slot = 1; slot < SlotCount; ++slot)
        m_trackList[slot].record.color = StartupTrackColor(slot);
}

qint64 PlayList::DiscLength() const
{
    return m_trackTimeline[m_trackCount].dataEnd + m_trackList[m_trackCount].record.muteAdjustBytes;
}

int PlayList::SelectRow(int cursorRow)
{
    const CommandStates states = RefreshCommands(cursorRow, false);
    return states.cursorRow;
}

CommandStates PlayList::RefreshCommands(int cursorRow, bool playerActive)
{
    CommandInputs inputs;
    inputs.trackCount = m_trackCount;
    inputs.cursorRow = cursorRow;
    inputs.playerActive = playerActive;
    inputs.undoAvailable = m_undoAvailable == 1;
    inputs.editorTrack = m_editorTrack;
    const CommandStates states = ComputeCommandStates(inputs);
    m_selectedTrack = states.selectedTrack;
    m_onTrackRow = states.onTrackRow;
    return states;
}

void PlayList::SaveUndo()
{
    m_undoCount = m_trackCount;
    m_undoAvailable = 1;
    for (int i = 1; i <= m_trackCount; ++i)
        m_undoList[i] = m_trackList[i];
    m_undoDiscTexts = m_discTexts;
    m_undoEditorTrack = m_editorTrack;
}

ListChange PlayList::RestoreUndo()
{
    ListChange change;
    change.changed = true;
    // The editor stays on the file it shows, wherever the copy has it.
    std::optional<QString> shownPath;
    if (m_editorTrack >= 1 && m_editorTrack <= m_trackCount)
        shownPath = m_trackList[m_editorTrack].path;
    m_trackCount = m_undoCount;
    m_undoAvailable = 0;
    for (int i = 1; i <= m_trackCount; ++i)
        m_trackList[i] = m_undoList[i];
    m_discTexts = m_undoDiscTexts;
    UpdateTimeline(1, m_trackCount);
    for (int i = 1; i <= m_trackCount; ++i) {
        change.trackRows.append(i);
        change.muteRows.append(i);
    }
    m_editorTrack = editorTrackAfterUndo(shownPath);
    change.editorTrackDeleted = shownPath && m_editorTrack == -1;
    change.redrawEditor = true;
    change.redrawPlayBar = true;
    change.refreshCommands = true;
    return change;
}

int PlayList::editorTrackAfterUndo(const std::optional<QString>& shownPath) const
{
    // Without a track the editor takes the one it had when the copy was
    // taken: a deleted track comes back into it with the copy.
    if (!shownPath)
        return m_undoEditorTrack;
    for (int i = 1; i <= m_trackCount; ++i) {
        if (m_trackList[i].path == *shownPath)
            return i;
    }
    return -1;
}

void PlayList::UpdateTimeline(int first, int last)
{
    for (int i = std::max(first, 1); i <= std::min(last, MaxTracks); ++i) {
        const TrackRecord& previous = m_trackList[i - 1].record;
        const TrackRecord& r = m_trackList[i].record;
        TimelineEntry& entry = m_trackTimeline[i];
        entry.start = m_trackTimeline[i - 1].dataEnd + previous.muteAdjustBytes;
        entry.soundStart = entry.start + r.preMutePoint;
        entry.soundEnd = entry.start + r.postMutePoint;
        entry.dataEnd = entry.start + r.dataBytes;
        entry.peak = entry.start + r.peakOffset;
    }
}

int PlayList::AddTrack(const QString& title, const QString& path, const TrackRecord& analysed)
{
    const int slot = std::min(m_trackCount + 1, MaxTracks);
    // A full list replaces its last track: when the editor shows that one,
    // it loses it as if the track had been deleted.
    m_editorTrackReplaced = slot == m_editorTrack;
    if (m_editorTrackReplaced)
        MoveList(-1, 0);
    if (m_trackCount == 0)
        m_discTexts = {};
    Track& track = m_trackList[slot];
    const int32_t color = track.record.color;
    track.record = analysed;
    track.record.title = nullptr;
    track.record.path = nullptr;
    track.record.color = color;
    track.title = title;
    track.path = path;
    track.convertedFrom.reset();
    track.version.reset();
    track.fileRecord.reset();
    track.texts = {};
    m_trackCount = slot;
    UpdateTimeline(slot, slot);
    return slot;
}

ListChange PlayList::AddedTrackChange(int slot) const
{
    ListChange change;
    change.changed = true;
    if (m_trackCount != 1)
        change.muteRows.append(slot - 1);
    change.trackRows.append(slot);
    change.muteRows.append(slot);
    change.redrawPlayBar = true;
    change.editorTrackDeleted = m_editorTrackReplaced;
    return change;
}

ListChange PlayList::DeleteSelected()
{
    ListChange change;
    const int s = m_selectedTrack;
    const int n = m_trackCount;
    if (s < 1 || s > n)
        return change;
    change.changed = true;
    SaveUndo();
    change.enableSaveCommands = true;

    if (s == m_editorTrack)
        change.editorTrackDeleted = MoveList(-1, 0);
    else if (s < m_editorTrack)
        MoveList(m_editorTrack, m_editorTrack - 1);

    m_trackCount = n - 1;
    if (s != n) {
        // The deleted track's colour goes to the slot that falls out of the
        // list, so slots 1..30 keep all thirty start-up colours.
        const int32_t color = m_trackList[s].record.color;
        for (int g = s; g <= n - 1; ++g)
            m_trackList[g] = m_trackList[g + 1];
        m_trackList[n].record.color = color;
        UpdateTimeline(s, n - 1);
        for (int i = s; i <= n - 1; ++i) {
            change.trackRows.append(i);
            change.muteRows.append(i);
        }
    }
    change.muteRows.append(s - 1);
    change.redrawPlayBar = true;
    change.blankGridRows = {2 * m_trackCount + 2, 2 * m_trackCount + 3};
    if (m_trackCount != 0 && s == m_trackCount + 1)
        change.cursorRow = 2 * m_trackCount - 1;
    change.refreshCommands = true;
    change.enableUndoCommand = true;
    change.hiddenEditorMenuEntries = {m_trackCount + 1};
    return change;
}

ListChange PlayList::RemoveAllTracks()
{
    ListChange change;
    change.changed = true;
    const int n = m_trackCount;
    change.editorTrackDeleted = m_editorTrack != -1 && MoveList(-1, 0);
    m_trackCount = 0;
    m_undoAvailable = 0;
    // Row 1 takes the END line of the empty list; the rows below it go.
    for (int row = 2; row <= 2 * n + 1; ++row)
        change.blankGridRows.append(row);
    for (int i = 1; i <= n; ++i)
        change.hiddenEditorMenuEntries.append(i);
    change.muteRows.append(0);
    change.cursorRow = 1;
    change.redrawPlayBar = true;
    change.refreshCommands = true;
    return change;
}

void PlayList::placeFromUndo(int slot, int undoSlot)
{
    m_trackList[slot] = m_undoList[undoSlot];
}

namespace {

// Both rows of tracks first..last.
void addRows(ListChange& change, int first, int last)
{
    for (int i = first; i <= last; ++i) {
        change.trackRows.append(i);
        change.muteRows.append(i);
    }
}

// The common tail of every move: the play bar, the commands, and the moved
// track's own row as the cursor row.
void finishMove(ListChange& change, int target)
{
    change.changed = true;
    change.enableSaveCommands = true;
    change.redrawPlayBar = true;
    change.refreshCommands = true;
    change.cursorRow = 2 * target - 1;
}

}  // namespace

// Each move places the selected track at another place; the tracks between
// close up behind it.
ListChange PlayList::MoveSelectedDown()
{
    const int s = m_selectedTrack;
    return s >= 1 && s < m_trackCount ? moveSelectedTo(s + 1, {}) : ListChange{};
}

ListChange PlayList::MoveSelectedUp()
{
    const int s = m_selectedTrack;
    return s > 1 && s <= m_trackCount ? moveSelectedTo(s - 1, {}) : ListChange{};
}

ListChange PlayList::MoveSelectedToTop()
{
    const int s = m_selectedTrack;
    return s > 1 && s <= m_trackCount ? moveSelectedTo(1, {}) : ListChange{};
}

ListChange PlayList::MoveSelectedToEnd()
{
    const int s = m_selectedTrack;
    return s >= 1 && s < m_trackCount ? moveSelectedTo(m_trackCount, {}) : ListChange{};
}

ListChange PlayList::MoveTrackTo(int dropRow)
{
    ListChange change;
    const int s = m_selectedTrack;
    const int n = m_trackCount;
    if (n == 0 || s < 1 || s > n)
        return change;
    int r = dropRow;
    if (r > 2 * n - 1) {
        r = 2 * n - 1;
        change.selectionEndRow = r;
    }
    // The header row is no place; a drop there counts as the first place.
    const int t = std::clamp((r + 1) / 2, 1, n);
    if (t == s)
        return change;
    return moveSelectedTo(t, change);
}

ListChange PlayList::moveSelectedTo(int t, ListChange change)
{
    const int s = m_selectedTrack;
    SaveUndo();
    MoveList(s, t);
    placeFromUndo(t, s);
    // The rows from the first to the last place that changed, and the MUTE
    // row before them, whose gap leads into a different track now.
    const int first = std::min(s, t);
    const int last = std::max(s, t);
    if (s < t) {
        for (int m = s; m <= t - 1; ++m)
            placeFromUndo(m, m + 1);
    } else {
        for (int m = t + 1; m <= s; ++m)
            placeFromUndo(m, m - 1);
    }
    UpdateTimeline(first, last);
    if (first != 1)
        change.muteRows.append(first - 1);
    addRows(change, first, last);
    finishMove(change, t);
    return change;
}

bool PlayList::MoveList(int from, int to)
{
    if (from == -1) {
        m_editorTrack = -1;
        return true;
    }
    if (from == m_editorTrack)
        m_editorTrack = to;
    else if (from < to && from < m_editorTrack && m_editorTrack <= to)
        --m_editorTrack;
    else if (to < from && to <= m_editorTrack && m_editorTrack < from)
        ++m_editorTrack;
    return false;
}
