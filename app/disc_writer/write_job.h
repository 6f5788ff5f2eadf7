// The disc the write command burns, built from the list the moment it is
// asked for: every track's file in list order, the CD-TEXT packs and the
// codes the CUE command would write with the sheet it proposes in track 1's
// folder, and the disc's size. Built only while every file holds what the list
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

// The notes the CUE command asks about (what a burner changes, what a
// pressing plant would miss), for the write dialog; empty when there are none.
QString WriteNotes(const PlayList& list);
