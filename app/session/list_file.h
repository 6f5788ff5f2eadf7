// The list file: the play list as UTF-8 JSON, written by the list-save
// command and by the crash journal, read by the list-open command and by the
// restore at start-up.
//
//   { "format": "sonvelle-list", "version": 1,
//     "tracks": [ { "path": "tracks/M01_a.wav", "size": 1234, "modified": 1700000000000,
//                   "title": "M01_a.wav", "record": { "dataBytes": ..., ... },
//                   "texts": { "title": ..., ... } } ],
//     "disc": { "title": ..., "performer": ... } }
//
// A path is relative to the list file's folder when the track lies under it
// (so a folder moved together with its list still opens), absolute
// otherwise. size is the file's length in bytes, modified its modification
// time in milliseconds since 1970 (UTC); together they tell whether the file
// changed since the list was written. record holds every numeric field of
// the track record under its own name, the two curves as decimal numbers;
// texts and disc hold the CD-TEXT (cd_text_fields.h).
// The functions here are pure: they neither read nor write files.
#pragma once

#include "play_list.h"  // Track (by the play list's own path: tests have a track.h of their own)

#include <QByteArray>
#include <QList>
#include <QString>

#include <optional>

// A file's length and modification time, as a list file keeps them.
struct FileStamp {
    qint64 size = 0;
    qint64 modified = 0;

    bool operator==(const FileStamp&) const = default;
};

// The stamp of the file at path now; nothing when it is not a readable
// regular file.
std::optional<FileStamp> StampOf(const QString& path);

// One track of a list file: the track (absolute path, title, record) and
// the stamp its file had when the list was written.
struct ListedTrack {
    Track track;
    FileStamp stamp;
};

namespace listfile {

constexpr int Version = 1;
// At most this many tracks, as the play list holds.
constexpr int MaxTracks = 30;
// No list of 30 tracks comes near this; a larger file is not a list file.
constexpr qint64 MaxBytes = 1024 * 1024;

// The list of tracks in list order as a list file in folder listFolder.
// disc: the disc's CD-TEXT as the user set it.
QByteArray Encode(const QList<ListedTrack>& tracks, const QString& listFolder, const DiscTexts& disc = {});

// Why a list file was refused as a whole.
enum class Refusal { NotListFile, Malformed, FutureVersion, TooManyTracks };

struct Decoded {
    QList<ListedTrack> tracks;           // paths made absolute against the list's folder
    std::optional<Refusal> refusal;      // set: tracks is empty, nothing is to change
    DiscTexts disc;                      // the disc's CD-TEXT as the user set it
};

// Reads a list file's bytes. Every field must be present with its type and
// range (integers of the record within 32 bits, stamps not negative, paths
// and titles not empty), else the whole file is refused.
Decoded Decode(const QByteArray& bytes, const QString& listFolder);

}  // namespace listfile
