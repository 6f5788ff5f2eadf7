// The one place where a track's edits become samples: saving and playback
// both render through renderBlock, so what is heard is what is saved.
#pragma once

#include <cstdint>
#include <optional>

#include "file_handle.h"
#include "welvox.h"

namespace welvox {

// Fills count samples of buffer with the rendered samples of the track from
// sample position `position` (16-bit samples from the start of the data):
// digital mutes, level, fade-in and fade-out applied; positions at or beyond
// the data render as silence. Returns the number of samples from position to
// the end of the rendered track (dataEnd + adjust - position): more than
// count while the track goes on, at most count when this block holds its end.
// Empty when the file cannot be read at that position.
std::optional<int32_t> renderBlock(const TrackRecord& record, const FileHandle& file, int16_t* buffer,
                                   int32_t count, int32_t position);

}  // namespace welvox
