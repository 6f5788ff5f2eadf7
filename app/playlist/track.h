// One track of the play list as the program keeps it.
#pragma once

#include <QString>

#include <optional>

#include "file_version.h"
#include "welvox.h"

// The title and path are Unicode strings here. The numbers live in a
// TrackRecord whose two text pointers stay null: the engine client builds a
// copy with UTF-8 texts for each engine call and copies the numbers back.
struct Track {
    QString title;
    QString path;
    TrackRecord record{};
    // For a track converted from another file (FLAC, AIFF, Ogg, a WAV file of
    // another layout): that source file. It travels with the track through
    // moves, undo and saving in place; a copy saved elsewhere is no longer
    // the conversion and has none.
    std::optional<FileVersion> convertedFrom;
    // The version of the file at path when record was made: analysed, saved
    // or restored. List files and the journal store this one; none when the
    // file could not be looked at.
    std::optional<FileVersion> version;
    // The record as the file at path holds it (set when the file is analysed
    // or saved): while record still matches it, the track's edits are in its
    // file. None when that is not known (a track from a list file or the
    // journal).
    std::optional<TrackRecord> fileRecord;
};

// Whether the track's edits are all in its file: its record differs from
// the one its file holds in nothing but the play-bar colour.
bool EditsInFile(const Track& track);
