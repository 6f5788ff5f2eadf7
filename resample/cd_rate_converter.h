// Brings floating samples (full scale = 1.0) of one or two channels at any
// rate to the CD's layout: 44,100 Hz, 16-bit stereo. The rate is changed by
// libsoxr at its high-quality setting (no change at 44.1 kHz), the result is
// reduced to 16 bits with fixed-seed TPDF dither (TpdfQuantiser), and mono is
// copied to both channels. The same input therefore always gives the same
// bytes.
//
// Before the rate changes, NaN becomes 0 and every value beyond what 16 bits
// hold is clamped to full scale and counted as clipped: a filter would smear
// a NaN or an infinity over many milliseconds of its neighbours.
//
// The output is exactly outputFrames(source frames) frames long, whatever the
// filter's own rounding at the end, so a gapless source stays gapless.
//
// Not thread-safe; one converter serves one stream on one thread.
#pragma once

#include "tpdf_quantiser.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <vector>

class CdRateConverter {
public:
    static constexpr int CdRate = 44100;

    // Receives each run of converted stereo frames; returns false to stop.
    using Sink = std::function<bool(const int16_t* stereo, size_t frames)>;

    // channels is 1 or 2. Check isReady(): the resampler may fail to start.
    CdRateConverter(int sourceRate, int channels, Sink sink);
    ~CdRateConverter();
    CdRateConverter(const CdRateConverter&) = delete;
    CdRateConverter& operator=(const CdRateConverter&) = delete;

    bool isReady() const { return m_sourceRate == CdRate || m_resampler != nullptr; }

    // Converts interleaved frames; samples is cleaned in place (NaN, values
    // beyond full scale). False when the sink stopped or the resampler failed.
    bool push(float* samples, size_t frames);

    // Drains the resampler and completes the output to its exact length.
    bool finish();

    // Samples of the stereo output that were clipped: those clamped in the
    // source, and those the filter's overshoot carried beyond full scale.
    // A mono sample counts twice, as it is written to both channels.
    uint64_t clippedSamples() const;

    // The output length for a source of sourceFrames frames: its duration
    // at 44.1 kHz, rounded to the nearest frame.
    static int64_t outputFrames(int64_t sourceFrames, int sourceRate);

    // Spreads mono 16-bit frames to both channels, in place: samples holds
    // room for 2 × frames values.
    static void monoToStereo(int16_t* samples, size_t frames);

private:
    bool process(const float* input, size_t frames);
    bool deliver(const float* samples, size_t frames);

    int m_sourceRate;
    int m_channels;
    Sink m_sink;
    struct soxr* m_resampler = nullptr;  // none at 44.1 kHz
    TpdfQuantiser m_quantiser;
    std::vector<float> m_resampled;
    std::vector<int16_t> m_pcm;
    int64_t m_framesIn = 0;
    int64_t m_framesOut = 0;
    int64_t m_outputLimit = 0;  // what the output may have reached so far
    uint64_t m_clampedSamples = 0;
};
