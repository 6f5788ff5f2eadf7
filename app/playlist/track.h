// One track of the play list as the program keeps it.
#pragma once

#include <QString>

#include <optional>

#include "welvox.h"

// A file as the system knows it, whatever path names it.
struct FileIdentity {
    quint64 device = 0;
    quint64 inode = 0;
    bool operator==(const FileIdentity&) const = default;
};

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
    std::optional<FileIdentity> convertedFrom;
};
