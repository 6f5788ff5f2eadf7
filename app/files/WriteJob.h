// The disc the write command burns, built from the list the moment it is
// asked for: every track's file in list order, the CD-TEXT packs the CUE
// command would write beside a sheet named disc.cue in track 1's folder,
// and the disc's size. Built only while every file holds what the list
// plays, unchanged on disk since the track took its version; texts that the
// packs cannot hold are refused the way the CUE command refuses them.
#pragma once

#include "burn_job.h"

#include <QString>

#include <optional>

class PlayList;

struct WriteJob {
    std::optional<BurnJob> job;
    QString refusal;  // why there is no job
};

WriteJob BuildWriteJob(const PlayList& list);

// The first track (1..) whose file no longer holds what the list plays:
// edited since its file was written, or the file changed or replaced since.
// 0 when there is none.
int FirstChangedTrack(const PlayList& list);

// The burner's notes on the disc for the write dialog; empty when the
// burner changes nothing.
QString WriteNotes(const PlayList& list);
