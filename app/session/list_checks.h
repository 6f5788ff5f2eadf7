// What becomes of each track of a list file when it is opened.
#pragma once

#include "list_file.h"

enum class TrackVerdict {
    Stored,      // file unchanged, record sound: listed with the stored record, no analysis
    Changed,     // file changed since the list was written: analysed afresh, edits dropped
    Unsound,     // the stored record fails a check: analysed afresh, edits dropped
    Missing,     // file missing, unreadable or not a regular file: not listed
    NotWav,      // the name does not end in ".wav": not listed (only WAV files are listed)
};

// Looks at the track's file now. Reads only the file's metadata.
TrackVerdict CheckListedTrack(const ListedTrack& listed);
