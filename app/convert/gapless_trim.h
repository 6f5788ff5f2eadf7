// Which decoded samples belong to the recording. A lossy encoder adds
// silence of its own at the head (its delay, "priming") and at the tail (the
// padding of its last block); the file declares them, and only what it
// declares is removed:
// - the skips that libavcodec exports for each decoded block when asked to
//   leave skipping to its caller (from an MP4 edit list, Opus pre-skip and
//   end trimming, Vorbis granule positions, a Matroska codec delay and
//   discard padding);
// - a delay that a tag declares beyond those, and the length it declares
//   (iTunSMPB, which the largest store's encoder writes without an edit
//   list);
// - the length that the last granule position of an Ogg Vorbis stream
//   declares, in place of the tail skip libavformat derives from it (which
//   is 128 samples too long when the first audio page is also the last);
// - the end of the container's timeline, where the container states it
//   exactly (the MP4 family: the edit list's duration, else the sample
//   table's), since libavformat leaves the tail of a shortened last block in.
//
// Counts are in samples per channel; positions on the stream's timeline.
// Not thread-safe; one trim serves one stream.
#pragma once

#include <cstdint>
#include <optional>

class GaplessTrim {
public:
    struct Declared {
        int64_t tagDelay = 0;                // 0 when no tag declares one
        std::optional<int64_t> length;       // the recording's length, by a tag or the last granule
        std::optional<int64_t> timelineEnd;  // where the container's timeline ends
        bool tailSkips = true;               // whether the blocks' tail skips count
    };

    explicit GaplessTrim(const Declared& declared);

    // A decoded block of `samples` samples at timeline position `position`
    // (nothing when the block carries no time, and then it follows the
    // previous one), with the skips declared for its head and tail.
    struct Block {
        int64_t samples = 0;
        std::optional<int64_t> position;
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

    // The samples kept so far.
    int64_t kept() const { return m_kept; }

private:
    Declared m_declared;
    bool m_started = false;
    int64_t m_headDue = 0;
    int64_t m_position = 0;
    int64_t m_kept = 0;
};
