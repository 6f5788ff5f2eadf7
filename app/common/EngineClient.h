// The program's calls into the welvox engine, on Tracks.
#pragma once

#include "track.h"

#include <QString>

#include <cstdint>

namespace engineclient {

// The silence threshold every opened file is analysed with.
inline constexpr int32_t SilenceThreshold = 80;

// Analyses the WAV file at track.path into track's numbers (FileOpen). On
// 1002 every number except color is the analysis'; on any other result the
// track is unchanged. callback runs on this thread during the scan.
int32_t analyse(Track& track, bool readPeak, ProgressCallback callback);

// Renders track's edits into its file (copy false) or into a copy at
// destination (FileSave), and on 1002 folds track's numbers back; on any
// other result the track is unchanged. Title and path stay as they are.
int32_t save(Track& track, const QString& destination, bool copy, ProgressCallback callback);

// Starts playing track from a byte offset (Play): 1002 when the worker
// runs, 1003 when the audio output cannot be opened. callback then runs on
// the engine's worker thread.
int32_t play(const Track& track, int32_t start, PlaybackCallback callback);

// Steers the running playback with track's record (PlayControll): state -1
// stops, 2 takes its level, mutes and fades, 4 continues with it from
// position.
void control(const Track& track, int32_t position, int32_t state);

}  // namespace engineclient
