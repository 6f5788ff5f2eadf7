// Whether a stored record may be listed as it is: every invariant the
// program keeps and the engine relies on without checking.
#pragma once

#include "welvox.h"

#include <QtGlobal>

// True when the record describes a 44.1 kHz stereo track whose file is
// fileBytes long and satisfies every invariant of a listed record: the
// lengths and mute points agree with each other and lie inside the data, the
// data lies inside the file, the level keeps every sample in 16 bits, the
// mute never cuts into the sound, and each fade is complete (its points,
// length and curve) or absent. A record that fails is not to be trusted:
// its file is analysed afresh.
bool RecordIsSound(const TrackRecord& record, qint64 fileBytes);
