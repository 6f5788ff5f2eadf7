// The program's calls into the welvox engine, on Tracks.
#pragma once

#include "track.h"

#include <cstdint>

namespace engineclient {

// The silence threshold every opened file is analysed with.
inline constexpr int32_t SilenceThreshold = 80;

// Analyses the WAV file at track.path into track's numbers (FileOpen). On
// 1002 every number except color is the analysis'; on any other result the
// track is unchanged. callback runs on this thread during the scan.
int32_t analyse(Track& track, bool readPeak, ProgressCallback callback);

}  // namespace engineclient
