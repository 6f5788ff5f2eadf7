// Writes the tracks of a take plan into a new folder as 44.1 kHz 16-bit
// stereo WAV files (the canonical 44-byte header, then the samples as the
// main data holds them: the same little-endian order). Each next track's
// pause is read first: all zero, it is left out of this track's file and
// becomes the silence the list plays after it; holding audio, it stays at
// the end of this track's file. The samples are copied inside the kernel
// where the file systems allow it (as `cp` copies), otherwise through one
// fixed buffer, so memory does not grow with the image.
//
// Everything is written into a hidden folder beside the chosen one, which
// takes the chosen name only at the end; a failure or a cancel removes it
// and leaves nothing. The files are not flushed to the disk one by one, as
// `cp` does not flush them: the image they come from stays where it was.
//
// Runs on the calling thread; progress is called from it.
#pragma once

#include "take_plan.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

struct TakenTrack {
    int number = 0;
    QString path;             // the WAV file written
    qint64 dataBytes = 0;     // its samples' bytes
    qint64 silenceAfter = 0;  // the silent pause of the next track, in bytes
    bool operator==(const TakenTrack&) const = default;
};

struct TakeFailure {
    enum class Kind {
        Cancelled,     // progress returned false
        FolderExists,  // the chosen name is taken
        ReadFailed,    // the main data could not be read (error), or ends early (error 0)
        WriteFailed,   // the tracks could not be written (error)
    };
    Kind kind = Kind::Cancelled;
    int error = 0;
    bool operator==(const TakeFailure&) const = default;
};

struct TakeResult {
    QList<TakenTrack> tracks;
    QList<TakeNote> notes;  // the plan's, and the pauses that hold audio
    std::optional<TakeFailure> failure;  // set: no tracks, nothing left
};

// percent of the work done; false to cancel.
using TakeProgress = std::function<bool(int percent)>;

// fileNames[i] names the file of plan.tracks[i]; plan must not be refused.
TakeResult WriteTakenTracks(const TakePlan& plan, const QStringList& fileNames, const QString& folder,
                            const TakeProgress& progress);

// The file name of a taken track: "M", its number as two digits, "_" and
// its title with the characters a file name cannot hold replaced, ".wav";
// a title too long for a file name is cut.
QString TakenFileName(int number, const QString& title);
