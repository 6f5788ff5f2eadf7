// What every sheet the readers give must hold, and every placing of it on a
// recording, checked by the CUE sheet harnesses: a broken rule stops the
// harness at once.
#pragma once

#include "cue_sheet_reader.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>

namespace sheetcheck {

inline void require(bool rule)
{
    if (!rule)
        __builtin_trap();
}

// A sheet or a fault, never both; a fault's message names its line.
inline void checkReading(const SheetReading& reading)
{
    require(reading.sheet.has_value() == reading.fault.text.isEmpty());
    require(reading.fault.line >= 0);
    if (reading.fault.line > 0)
        require(reading.fault.text.contains(QString::number(reading.fault.line)));
}

// 1 to 99 tracks numbered upwards within 1..99, each starting in a file the
// sheet lists, at or after its pre-gap's start; codes in their one form.
inline void checkSheet(const ReadSheet& sheet)
{
    require(!sheet.tracks.isEmpty() && sheet.tracks.size() <= 99);
    int previous = 0;
    for (const SheetTrack& track : sheet.tracks) {
        require(track.number > previous && track.number <= 99);
        previous = track.number;
        require(track.file >= 0 && track.file < sheet.files.size() && track.index01 >= 0);
        require(track.texts.isrc.isEmpty() || track.texts.isrc.size() == 12);
        if (track.index00) {
            require(track.index00File >= 0 && track.index00File <= track.file && *track.index00 >= 0);
            require(track.index00File < track.file || *track.index00 < track.index01);
        }
    }
    require(!sheet.disc.catalog || sheet.disc.catalog->size() == 13);
    require(std::is_sorted(sheet.invalidCodeLines.begin(), sheet.invalidCodeLines.end()));
}

// Each file of the sheet a length around the last INDEX in it, drawn from
// the input: a zero byte puts that INDEX at the file's end.
inline QList<int64_t> drawnLengths(const ReadSheet& sheet, const uint8_t* data, size_t size)
{
    QList<int64_t> lengths(sheet.files.size(), 0);
    for (const SheetTrack& track : sheet.tracks) {
        lengths[track.file] = std::max(lengths[track.file], track.index01);
        if (track.index00)
            lengths[track.index00File] = std::max(lengths[track.index00File], *track.index00);
    }
    for (qsizetype i = 0; i < lengths.size() && size > 0; ++i)
        lengths[i] += int64_t(data[size_t(i) % size]) * 97;
    return lengths;
}

// Pieces for each track (and one at the head), from 0 upwards on the CD
// frame grid, the last starting before the recording's end; or a fault.
inline void checkPlacing(const ReadSheet& sheet, const QList<int64_t>& lengths)
{
    const SheetPlacing placing = PlaceSheet(sheet, lengths);
    require(placing.plan.has_value() == placing.fault.text.isEmpty());
    if (!placing.plan)
        return;
    const QList<SheetPiece>& pieces = placing.plan->pieces;
    require(pieces.size() == sheet.tracks.size() || pieces.size() == sheet.tracks.size() + 1);
    require(pieces.first().start == 0);
    int64_t total = 0;
    for (const int64_t length : lengths)
        total += length;
    for (qsizetype i = 0; i < pieces.size(); ++i) {
        require(pieces[i].start % 588 == 0 && pieces[i].start < total);
        require(i == 0 || pieces[i].start > pieces[i - 1].start);
    }
}

}  // namespace sheetcheck
