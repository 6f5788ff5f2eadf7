// Reading a CUE sheet that marks the tracks of a recording: its files, its
// tracks with their texts and indexes, and the pieces those marks cut the
// recording into, each starting on the CD frame grid. Nothing here touches a
// file: the caller reads the sheet's bytes and measures the files.
//
// Positions are in samples of 44.1 kHz audio (a sheet's time mm:ss:ff is
// (mm * 60 + ss) * 75 + ff CD frames of 588 samples each). Line numbers count
// the sheet's lines from 1.
#pragma once

#include "track.h"

#include <QByteArrayView>
#include <QList>
#include <QString>

#include <cstdint>
#include <optional>

struct SheetTrack {
    int number = 0;  // TRACK nn
    int line = 0;    // the TRACK line
    int file = 0;    // index into ReadSheet::files: the file INDEX 01 lies in
    // Title, performer, songwriter and ISRC (as CheckedIsrc keeps it; one
    // that breaks its rules is not taken, and its line is in
    // ReadSheet::invalidCodeLines).
    TrackTexts texts;
    // The pre-gap's start, samples from the start of the file index00File,
    // and its INDEX 00 line. That file is the track's own or, in sheets that
    // append each gap to the file before, an earlier one.
    std::optional<int64_t> index00;
    int index00File = 0;
    int index00Line = 0;
    int64_t index01 = 0;  // samples from the start of its file
    int index01Line = 0;
};

struct SheetFile {
    QString name;  // as written, quotes removed
    int line = 0;
};

struct ReadSheet {
    DiscTexts disc;            // title, performer, songwriter, catalog (as CheckedCatalog keeps it)
    QList<SheetFile> files;    // in the sheet's order
    QList<SheetTrack> tracks;  // in the sheet's order, 1 to 99 of them
    // The lines of an ISRC or CATALOG that breaks its rules, or of an ISRC
    // that belongs to no track: their codes are not taken.
    QList<int> invalidCodeLines;
};

// Why a sheet cannot be used: the line at fault (0 when no one line is) and
// the message for the user, which names that line.
struct SheetFault {
    int line = 0;
    QString text;
};

// A sheet, or the first fault that keeps it from being read.
struct SheetReading {
    std::optional<ReadSheet> sheet;
    SheetFault fault;
};

// The sheet in bytes: UTF-8 when valid (a byte-order mark skipped), else
// CP932 when valid, else ISO-8859-1. Lines end in CRLF, LF or CR; command
// words are read in any case, arguments bare or between double quotes.
//
// FILE, TRACK, INDEX, TITLE, PERFORMER, SONGWRITER (the disc's before the
// first TRACK, the track's after it), ISRC and CATALOG are read; every other
// command (REM, PREGAP, POSTGAP, FLAGS, CDTEXTFILE, ...) is passed over. A
// FILE's type word may be any: the file is read by its content later. Only
// AUDIO tracks are taken; track numbers rise within 1..99, index numbers
// within each track within 0..99, and INDEX times rise within each file.
// Every track has an INDEX 01; INDEX 00 is kept as the pre-gap's start, the
// other indexes are only checked.
//
// Pure and bounded: any bytes give a sheet or a fault in time linear in
// their size (a sheet of more than 10,000 lines is refused).
SheetReading ReadCueSheet(QByteArrayView bytes);

// One piece of the recording: from start, on the CD frame grid and in
// samples from the recording's start, up to the next piece's start or the
// recording's end.
struct SheetPiece {
    int64_t start = 0;
    TrackTexts texts;
};

struct SheetPlan {
    QList<SheetPiece> pieces;
    DiscTexts disc;
};

struct SheetPlacing {
    std::optional<SheetPlan> plan;
    SheetFault fault;
};

// The pieces sheet cuts a recording into that is made of its files one
// after another, fileSamples[i] being the length of files[i] in samples (a
// file with no length given counts as empty).
//
// A piece starts at each track's INDEX 01, so that a pre-gap stays at the
// end of the piece before it; audio before the first track's INDEX 01 is a
// piece of its own at the head, with no texts. A file in which no track
// starts belongs to the piece before it. Each start is rounded to the
// nearest CD frame (it is one already for a single-file sheet). An INDEX 00
// or 01 at or beyond its file's end is a fault, and so is a track whose
// rounded start meets the start before it or the recording's end.
SheetPlacing PlaceSheet(const ReadSheet& sheet, const QList<int64_t>& fileSamples);
