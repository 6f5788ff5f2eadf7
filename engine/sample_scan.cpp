#include "sample_scan.h"

#include <algorithm>

namespace welvox {

int32_t largestMagnitude(const int16_t* samples, size_t count) {
    // Branch-free min and max reductions vectorise to packed 16-bit min/max.
    int16_t lo = 0;
    int16_t hi = 0;
    for (size_t i = 0; i < count; ++i) {
        lo = std::min(lo, samples[i]);
        hi = std::max(hi, samples[i]);
    }
    return std::max<int32_t>(hi, -int32_t(lo));
}

ptrdiff_t lastIndexOfMagnitude(const int16_t* samples, size_t count, int32_t magnitude) {
    for (size_t i = count; i-- > 0;) {
        const int32_t s = samples[i];
        if (s == magnitude || s == -magnitude) return ptrdiff_t(i);
    }
    return -1;
}

ptrdiff_t firstIndexAbove(const int16_t* samples, size_t count, int16_t threshold) {
    for (size_t i = 0; i < count; ++i)
        if (samples[i] > threshold) return ptrdiff_t(i);
    return -1;
}

ptrdiff_t lastIndexAbove(const int16_t* samples, size_t count, int16_t threshold) {
    for (size_t i = count; i-- > 0;)
        if (samples[i] > threshold) return ptrdiff_t(i);
    return -1;
}

}  // namespace welvox
