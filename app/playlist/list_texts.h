// The texts of the list grid, the fade editor's track menu and the status bar.
#pragma once

#include <QString>
#include <QStringList>
#include <array>

class PlayList;

// Grid layout: row 0 header, track i on row 2i-1, its MUTE row on 2i, the
// END row on 2*TrackCount+1; 62 rows, 8 columns.
//
// The windows' row routines build on these texts: ShowTrackRow(i) writes
// TrackRowCells(i) on row 2i-1 and the fade editor's menu entry i;
// ShowMuteRow(i) writes MuteRowCells(i) on row 2i when i >= 1, and the END
// row when i is TrackCount (so ShowMuteRow(0) writes only the END row of an
// empty list); ShowTrackStatus writes StatusPanels. Callers update the
// timeline before asking for texts.
class ListTexts {
public:
    static constexpr int RowCount = 62;
    static constexpr int ColumnCount = 8;

    static QStringList HeaderCells();
    static std::array<int, ColumnCount> ColumnWidthsTwips();

    static int TrackRowOf(int track) { return 2 * track - 1; }
    static int MuteRowOf(int track) { return 2 * track; }
    static int EndRow(const PlayList& list);

    // The 8 cells of track i's own row (ShowTrackRow).
    static QStringList TrackRowCells(const PlayList& list, int i);
    // The 8 cells of track i's MUTE row (ShowMuteRow, i >= 1).
    static QStringList MuteRowCells(const PlayList& list, int i);
    // The 8 cells of the END row.
    static QStringList EndRowCells(const PlayList& list);
    // Total gap after track i in bytes; after the last track the missing
    // next track counts no leading silence.
    static qint64 TotalGap(const PlayList& list, int i);

    // Fade editor File-menu entry i: "No.03: title"; checked when i is the
    // editor's track.
    static QString TrackMenuCaption(const PlayList& list, int i);
    static bool TrackMenuChecked(const PlayList& list, int i);

    // Status-bar panels 1 to 3 for SelectedTrack (bare labels when empty).
    static std::array<QString, 3> StatusPanels(const PlayList& list);
};
