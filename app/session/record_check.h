// Whether a stored record may be listed as it is: every invariant the
// program keeps and the engine relies on without checking.
#pragma once

#include "welvox.h"

#include <QtGlobal>

// True when the record describes 16-bit stereo sample data in a file
// fileBytes long and satisfies every invariant of a listed record: the data
// lies inside the file after a header of at least 44 bytes; every mute and
// fade point falls on a whole 4-byte frame; the lengths and mute points
// agree with each other and lie inside the data; the level keeps every
// sample in 16 bits; muteAdjustBytes never cuts into the sound nor takes the
// saved file past 32-bit sizes; and each fade is complete (its points,
// length and curve) or absent. The sample rate and layout themselves are the file's:
// they were checked when the file was analysed, and the file's version,
// compared first, says it is still that file. A record that fails is not to
// be trusted: its file is analysed afresh.
bool RecordIsConsistent(const TrackRecord& record, qint64 fileBytes);
