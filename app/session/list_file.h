// The list file: the play list as UTF-8 JSON, written by the list-save
// command and by the crash journal, read by the list-open command and by the
// restore at start-up.
//
//   { "format": "sonvelle-list", "version": 2,
//     "tracks": [ { "path": "tracks/M01_a.wav", "size": 1234,
//                   "modified": "1700000000.123456789", "device": "2049", "inode": "131",
//                   "title": "M01_a.wav", "record": { "dataBytes": ..., ... },
//                   "texts": { "title": ..., ... } } ],
//     "disc": { "title": ..., "performer": ... } }
//
// A path is relative to the list file's folder when the track lies under it
// (so a folder moved together with its list still opens), absolute
// otherwise. size, modified, device and inode are the version the track's
// file had when its record was made: modified is whole seconds since 1970
// (negative before it) and nine digits of nanoseconds, written as text like
// device and inode so that every value the file system gives is kept
// exactly. Version 1 wrote modified as milliseconds and no device or inode;
// it is still read. record holds every numeric field of the track record
// under its own name, the two curves as decimal numbers; texts and disc
// hold the CD-TEXT (cd_text_fields.h).
// The functions here are pure: they neither read nor write files.
#pragma once

#include "play_list.h"  // Track (by the play list's own path: tests have a track.h of their own)

#include <QByteArray>
#include <QList>
#include <QString>

#include <optional>

namespace listfile {

constexpr int Version = 2;
// At most this many tracks, as the play list holds.
constexpr int MaxTracks = 30;
// No list of 30 tracks comes near this; a larger file is not a list file.
constexpr qint64 MaxBytes = 1024 * 1024;

// The list of tracks in list order as a list file in folder listFolder;
// each track's file version is the one it carries (a track without one gets
// a version no file has). disc: the disc's CD-TEXT as the user set it.
QByteArray Encode(const QList<Track>& tracks, const QString& listFolder, const DiscTexts& disc = {});

// Why a list file was refused as a whole.
enum class Refusal { NotListFile, Malformed, FutureVersion, TooManyTracks };

struct Decoded {
    QList<Track> tracks;                 // paths made absolute, each with the version stored
    std::optional<Refusal> refusal;      // set: tracks is empty, nothing is to change
    DiscTexts disc;                      // the disc's CD-TEXT as the user set it
};

// Reads a list file's bytes. Every field must be present with its type and
// range (integers of the record within 32 bits, sizes not negative, paths
// and titles not empty), else the whole file is refused; so is a file of
// more than maxTracks tracks.
Decoded Decode(const QByteArray& bytes, const QString& listFolder, int maxTracks = MaxTracks);

}  // namespace listfile
