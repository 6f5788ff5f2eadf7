// Reduces floating samples (full scale = 1.0) to 16-bit samples with
// triangular (TPDF) dither of one least significant bit peak to peak on each
// side. The noise comes from a generator with a fixed seed, so the same
// input always gives the same output. A sample at full scale (either end of
// the 16-bit range) is written as that value without dither; one beyond it
// is clipped to it and counted. Dither that would carry a sample within full
// scale past it is saturated without being counted, because the sample
// itself was in range. Samples must not be NaN (CdRateConverter
// replaces them before they get here).
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
