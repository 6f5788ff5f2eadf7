// Reduces floating samples (full scale = 1.0) to 16-bit samples with
// triangular (TPDF) dither of one least significant bit peak to peak on each
// side. The noise comes from a generator with a fixed seed, so the same
// input always gives the same output. A sample beyond full scale is clipped
// to the nearest 16-bit value and counted; dither that would carry a sample
// within full scale past it is saturated without being counted, because the
// sample itself was in range.
#pragma once

#include <cstddef>
#include <cstdint>

class TpdfQuantiser {
public:
    TpdfQuantiser();

    // Converts count samples from in to out, continuing the noise sequence.
    void quantise(const float* in, int16_t* out, size_t count);

    // The samples found beyond full scale so far.
    uint64_t clippedSamples() const { return m_clipped; }

private:
    uint64_t m_state;
    uint64_t m_clipped = 0;
};
