// One track of the play list as the program keeps it.
#pragma once

#include <QString>

#include <optional>

#include "file_version.h"
#include "welvox.h"

// What a track's file's tags give, kept as the track's CD-TEXT. An empty
// title means the title taken from the file's name; the user's edits replace
// title, performer, isrc and the credits. The album fields are the file's,
// kept for the disc's own texts, which follow them while the user has not
// set any.
struct TrackTexts {
    QString title;           // TIT2, TITLE, INAM
    QString performer;       // TPE1, ARTIST, IART
    QString album;           // TALB, ALBUM, IPRD
    QString albumPerformer;  // TPE2, ALBUMARTIST
    QString isrc;            // TSRC, ISRC: 12 characters, upper case, no hyphens; empty when none
    QString songwriter;      // TEXT, LYRICIST
    QString composer;        // TCOM, COMPOSER
    QString arranger;        // ARRANGER
    QString albumCatalog;    // TXXX:BARCODE, BARCODE: 13 digits; empty when none
    bool operator==(const TrackTexts&) const = default;
};

// The disc's CD-TEXT as the user set it; a field not set means the text that
// follows from the tracks' tags and the CUE sheet's name (empty for the
// credits and the message).
struct DiscTexts {
    std::optional<QString> title;
    std::optional<QString> performer;
    std::optional<QString> songwriter;
    std::optional<QString> composer;
    std::optional<QString> arranger;
    std::optional<QString> message;
    std::optional<QString> catalog;  // 13 digits, or empty: the user removed the tags' number
    bool operator==(const DiscTexts&) const = default;
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
    // Its CD-TEXT, from the source's tags when it joined the list.
    TrackTexts texts;
};

// Whether the track's edits are all in its file: its record differs from
// the one its file holds in nothing but the play-bar colour.
bool EditsInFile(const Track& track);
