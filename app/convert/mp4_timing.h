// The timing an MP4 file (M4A, MP4, QuickTime) declares for its first audio
// track, read from its movie box ("moov") by this program itself. libavformat
// applies the edit list's start but ends the track where the edit's
// duration, converted from the movie's time scale, puts it; in the files
// ffmpeg writes that scale is a millisecond, so the end lands up to 22
// samples beside the recording's, and a gapless album loses or gains them
// at every join. The sample table ("stts") holds the media's end exactly:
// an edit that ends within one tick of the movie's scale of it ends there.
//
// The parsers are pure functions over bytes, bounded by them.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

struct Mp4Timing {
    uint32_t movieTimescale = 0;
    uint32_t mediaTimescale = 0;
    uint64_t mediaDuration = 0;              // the sample table's sum, in media units
    std::optional<int64_t> editStart;        // the one edit's start, in media units
    std::optional<uint64_t> editDuration;    // its duration, in movie units
};

// The timing of the first track with a sound handler, from the payload of
// a moov box; nothing when there is no such track or its boxes are broken.
// An edit list of empty edits and one edit counts as that edit; one of
// several edits declares no recording and is left out.
std::optional<Mp4Timing> parseMp4Timing(std::span<const uint8_t> moov);

// The recording a timing declares, in media units: the delay before it and
// its length. Nothing when the sample table is empty (a fragmented file),
// the edit starts beyond the media's end or shows less than a sample.
struct Mp4Recording {
    int64_t delay = 0;
    int64_t length = 0;
};
std::optional<Mp4Recording> declaredRecording(const Mp4Timing& timing);

// The payload of the file's top-level moov box, found by walking the boxes'
// headers; nothing when the file has none, or one beyond 64 MiB.
std::optional<std::vector<uint8_t>> readMoovBox(const std::string& path);
