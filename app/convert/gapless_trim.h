// Which decoded samples belong to the recording. A lossy encoder adds
// silence of its own at the head (its delay, "priming") and at the tail (the
// padding of its last block); the file declares them, and only what it
// declares is removed:
// - the skips that libavcodec exports for each decoded block when asked to
//   leave skipping to its caller (from an MP4 edit list's start, Opus
//   pre-skip and end trimming, Vorbis granule positions, a Matroska codec
//   delay and discard padding);
// - a delay and a length that the container or a tag declares beyond
//   those: an MP4 file's edit list and sample table (Mp4Timing), the
//   iTunSMPB tag that the largest store's encoder writes without an edit
//   list, the last granule position of an Ogg Vorbis stream (in place of
//   the tail skip libavformat derives from it, which is 128 samples too
//   long when the first audio page is also the last).
//
// Counts are in samples per channel. Not thread-safe; one trim serves one
// stream.
#pragma once

#include <cstdint>
#include <optional>

class GaplessTrim {
public:
    struct Declared {
        int64_t delay = 0;              // 0 when nothing beyond the skips declares one
        std::optional<int64_t> length;  // the recording's length
        bool tailSkips = true;          // whether the blocks' tail skips count
    };

    explicit GaplessTrim(const Declared& declared);

    // A decoded block with the skips declared for its head and tail.
    struct Block {
        int64_t samples = 0;
        int64_t skipStart = 0;
        int64_t skipEnd = 0;
    };

    // The part of the block that belongs to the recording: `count` samples
    // from sample `first` of the block.
    struct Kept {
        int64_t first = 0;
        int64_t count = 0;
    };
    Kept keep(const Block& block);

private:
    Declared m_declared;
    bool m_started = false;
    int64_t m_headDue = 0;
    int64_t m_kept = 0;
};
