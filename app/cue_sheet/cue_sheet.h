// The CUE sheet that lets a burner write the list disc-at-once: one FILE per
// track in list order, each track starting at index 01 of its own file with
// no pause added, so that the disc plays the gaps, cuts and fades exactly as
// the saved files hold them.
#pragma once

#include "disc_texts.h"

#include <QString>

#include <optional>

class PlayList;

struct CueSheet {
    // The whole sheet, lines ending in LF; empty when unsafeName is set.
    QString text;
    // A name that cannot be written into a sheet: 0 for the sheet's own
    // name, otherwise the track whose file it is.
    std::optional<int> unsafeName;
};

// The sheet for tracks 1..TrackCount of list, to be stored at sheetPath,
// with its CD-TEXT file (CdTextPathOf) named after the disc's TITLE and
// PERFORMER lines.
//
// The disc's CATALOG line and each track's ISRC line carry their codes where
// set, the ISRC before the track's INDEX. The disc's and the tracks' TITLE
// and PERFORMER lines carry their CD-TEXT (CueCdTexts) where it is printable
// ASCII: a burner copies those bytes into
// its own CD-TEXT as ISO-8859-1, and the sheet is UTF-8. A file in the
// sheet's directory is named by its bare name, any other by its absolute
// path.
//
// Sheets have no escape for a double quote inside a quoted text: in a title
// it becomes an apostrophe, while a file's name cannot be changed, so a
// double quote there makes the name unsafe. A control character (a line
// break above all) would end the line early and makes any name unsafe.
CueSheet BuildCueSheet(const PlayList& list, const QString& sheetPath);

// The CD-TEXT of the disc written with the sheet at sheetPath: the disc's
// title falls back to the sheet's file name without ".cue".
CdTextSet CueCdTexts(const PlayList& list, const QString& sheetPath);

// The CD-TEXT file beside the sheet: its name with ".cdt" for ".cue".
QString CdTextPathOf(const QString& sheetPath);

// path with ".cue" appended unless it already ends so, in any case.
QString WithCueEnding(const QString& path);

// When a sheet can be written: at least one track, nothing playing, and
// every track's file holding its audio as listed, so that the sheet
// describes the files as they are on disk.
bool CueSheetAvailable(const PlayList& list, bool playerActive);
