// What becomes of each track of a list file or the journal when it is opened.
#pragma once

#include "play_list.h"  // Track (by the play list's own path: tests have a track.h of their own)

#include <optional>

enum class TrackVerdict {
    Stored,      // file unchanged, record consistent: listed with the stored record, no analysis
    Changed,     // file changed since its record was made: analysed afresh, edits dropped
    Unsound,     // the stored record fails a check: analysed afresh, edits dropped
    Missing,     // file missing, unreadable or not a regular file: not listed
    NotWav,      // the name does not end in ".wav": not listed (only WAV files are listed)
};

// Which file versions count as unchanged. The journal speaks of this
// machine's files, so it names the very file (device and inode) as well; a
// list file travels with its folder to other disks, where only the size and
// the modification time stay.
enum class VersionMatch { SameFile, SameContents };

// Looks at the track's file now, against the version the track carries.
// Reads only the file's metadata.
TrackVerdict CheckListedTrack(const Track& listed, VersionMatch match);

// Whether the file at version now is the one recorded. A recorded version
// without device and inode (from a list file of the first format) gives its
// time in milliseconds only, and is compared to that precision.
bool VersionUnchanged(const FileVersion& recorded, const FileVersion& now, VersionMatch match);
