// Scans over blocks of 16-bit samples, written so that the compiler
// vectorises the whole-block passes.
#pragma once

#include <cstddef>
#include <cstdint>

namespace welvox {

// Largest |s| over the samples, in 32 bits (so -32768 gives 32768); 0 when
// count is 0.
int32_t largestMagnitude(const int16_t* samples, size_t count);

// Index of the last sample whose magnitude equals magnitude; -1 when none.
ptrdiff_t lastIndexOfMagnitude(const int16_t* samples, size_t count, int32_t magnitude);

// Index of the first / last sample whose signed value is greater than
// threshold; -1 when none.
ptrdiff_t firstIndexAbove(const int16_t* samples, size_t count, int16_t threshold);
ptrdiff_t lastIndexAbove(const int16_t* samples, size_t count, int16_t threshold);

}  // namespace welvox
