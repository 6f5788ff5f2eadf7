// Fade gains: each sample value t times ratio^curve, truncated toward zero,
// with the ratio a floating division of two integers and the power and the
// product in double precision.
#pragma once

#include <cstddef>
#include <cstdint>

namespace welvox {

// One value, with the scalar pow of the C library. A result that is not a
// number becomes 0 and one beyond the 32-bit range is held at its bound.
int32_t curveTimes(double ratio, double curve, int32_t t);

// For j < n: t[j] = curveTimes(double(first + step × j) / double(length),
// curve, t[j]), bit for bit. step is +1 (a fade-in's rising ratio) or -1 (a
// fade-out's falling one).
void applyCurveRun(int64_t first, int step, int64_t length, double curve, int32_t* t, size_t n);

}  // namespace welvox
