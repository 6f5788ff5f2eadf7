// Writes a DDP 2.00 image of a disc into a new folder: DDPID, DDPMS,
// PQDESCR, IMAGE.DAT, CDTEXT.BIN when the disc has texts, and CHECKSUM.MD5
// with an MD5 line for each of the others in the form `md5sum -c` reads.
//
// IMAGE.DAT holds the pre-gap's 150 frames of silence and then every
// track's samples as its file holds them (16-bit little-endian, the order
// of a WAV data chunk), each padded with silence to a whole frame. The
// tracks stream through one fixed buffer, so memory does not grow with the
// disc. Everything is written into a hidden folder beside the chosen one,
// every file flushed to the disk, and that folder takes the chosen name only
// at the end; a failure or a cancel removes it and leaves no folder of the
// chosen name. The codes go into fixed-width fields: a catalog number or
// ISRC not in its one valid form is refused before anything is written,
// never cut or padded to fit.
//
// Runs on the calling thread; progress is called from it.
#pragma once

#include "file_system_calls.h"
#include "master_input.h"

#include <QString>

#include <functional>
#include <optional>

struct ImageFailure {
    enum class Kind {
        Cancelled,     // progress returned false
        FolderExists,  // the chosen name is taken
        TrackChanged,  // the track's file is not the version it was saved as
        TrackCutShort, // the track's file ends before its data does
        InvalidCode,   // the track's ISRC, or the disc's catalog number (track 0), is not valid
        ReadFailed,    // the track's file could not be opened or read (error)
        WriteFailed,   // the image could not be written (error)
    };
    Kind kind = Kind::Cancelled;
    int track = 0;  // 1-based, for the track kinds and InvalidCode
    int error = 0;  // the errno, for ReadFailed and WriteFailed
    bool operator==(const ImageFailure&) const = default;
};

// How the tracks' samples reached IMAGE.DAT: copied inside the kernel, or
// read into the buffer and written from it where the file systems turned
// the kernel's copy down (from the start, or part way through a track).
struct CopiedBytes {
    qint64 inKernel = 0;
    qint64 buffered = 0;
    bool operator==(const CopiedBytes&) const = default;
};

struct ImageResult {
    std::optional<ImageFailure> failure;
    QString imageMd5;  // IMAGE.DAT's MD5 in hex, when the image was written
    CopiedBytes copied;
};

// percent of the image written so far; false to cancel.
using ImageProgress = std::function<bool(int percent)>;

ImageResult WriteDdpImage(const MasterDisc& disc, const QString& folder, const ImageProgress& progress,
                          const FileSystemCalls& calls = {});
