// The gapless facts that the iTunSMPB tag of an MP4 file declares, written
// by the largest online store's encoder: the encoder's delay at the head and
// the recording's own length, in samples (the padding at the tail is what
// follows them, so it needs no word of its own here). The
// tag's value is a row of hexadecimal words separated by blanks: a reserved
// word, the delay, the padding, the length as one 64-bit word, then words
// this program does not need, e.g.
// " 00000000 00000840 000001CA 00000000001B2E2E 00000000 ...".
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

struct ItunesGapless {
    int64_t delay = 0;
    int64_t length = 0;
};

// The facts of a tag value, or nothing when the value does not have the
// form above or declares no length.
std::optional<ItunesGapless> parseItunSmpb(std::string_view value);
