#include "cd_rate_converter.h"

#include <soxr.h>

#include <algorithm>
#include <cmath>

namespace {

// The largest value 16 bits hold, as a float of full scale 1.0: clamping to
// it leaves the quantiser nothing to clip in a source at 44.1 kHz.
constexpr float PositiveFullScale = 32767.0f / 32768.0f;
constexpr float NegativeFullScale = -1.0f;

// Room for the output of one call, beyond the share the ratio gives.
constexpr size_t OutputSlack = 256;

// NaN becomes 0 and values beyond full scale are clamped; returns how many
// were beyond it.
uint64_t clean(float* samples, size_t count)
{
    uint64_t clamped = 0;
    for (size_t i = 0; i < count; ++i) {
        const float value = samples[i];
        if (value > PositiveFullScale) {
            samples[i] = PositiveFullScale;
            ++clamped;
        } else if (value < NegativeFullScale) {
            samples[i] = NegativeFullScale;
            ++clamped;
        } else if (std::isnan(value)) {
            samples[i] = 0.0f;
        }
    }
    return clamped;
}

}  // namespace

CdRateConverter::CdRateConverter(int sourceRate, int channels, Sink sink)
    : m_sourceRate(sourceRate)
    , m_channels(channels)
    , m_sink(std::move(sink))
{
    if (sourceRate == CdRate)
        return;
    const soxr_io_spec_t io = soxr_io_spec(SOXR_FLOAT32_I, SOXR_FLOAT32_I);
    const soxr_quality_spec_t quality = soxr_quality_spec(SOXR_HQ, 0);
    soxr_error_t error = nullptr;
    m_resampler = soxr_create(sourceRate, CdRate, unsigned(channels), &error, &io, &quality, nullptr);
    if (error != nullptr) {
        soxr_delete(m_resampler);
        m_resampler = nullptr;
    }
}

CdRateConverter::~CdRateConverter()
{
    soxr_delete(m_resampler);
}

int64_t CdRateConverter::outputFrames(int64_t sourceFrames, int sourceRate)
{
    return (sourceFrames * CdRate + sourceRate / 2) / sourceRate;
}

void CdRateConverter::monoToStereo(int16_t* samples, size_t frames)
{
    for (size_t i = frames; i-- > 0;) {
        samples[2 * i + 1] = samples[i];
        samples[2 * i] = samples[i];
    }
}

uint64_t CdRateConverter::clippedSamples() const
{
    return (m_clampedSamples + m_quantiser.clippedSamples()) * uint64_t(2 / m_channels);
}

bool CdRateConverter::push(float* samples, size_t frames)
{
    if (!isReady())
        return false;
    m_clampedSamples += clean(samples, frames * size_t(m_channels));
    m_framesIn += int64_t(frames);
    m_outputLimit = outputFrames(m_framesIn, m_sourceRate);
    if (m_resampler == nullptr)
        return deliver(samples, frames);
    return process(samples, frames);
}

bool CdRateConverter::finish()
{
    if (!isReady())
        return false;
    if (m_resampler != nullptr && !process(nullptr, 0))
        return false;
    // The filter's last output may fall a frame or two short of the exact
    // length: silence completes it.
    const std::vector<float> silence(size_t(std::max<int64_t>(0, m_outputLimit - m_framesOut)) * size_t(m_channels));
    return silence.empty() || deliver(silence.data(), silence.size() / size_t(m_channels));
}

// Feeds input (null to drain) through the resampler until it has taken all
// of it, or, when draining, until it gives nothing more.
bool CdRateConverter::process(const float* input, size_t frames)
{
    const size_t capacity = frames * CdRate / size_t(m_sourceRate) + OutputSlack;
    m_resampled.resize(capacity * size_t(m_channels));
    for (;;) {
        size_t taken = 0;
        size_t produced = 0;
        if (soxr_process(m_resampler, input, frames, &taken, m_resampled.data(), capacity, &produced) != nullptr)
            return false;
        if (produced > 0 && !deliver(m_resampled.data(), produced))
            return false;
        if (input == nullptr) {
            if (produced == 0)
                return true;
            continue;
        }
        input += taken * size_t(m_channels);
        frames -= taken;
        if (frames == 0)
            return true;
    }
}

// Quantises frames to 16 bits and hands them on as stereo, never beyond the
// exact length the input so far allows.
bool CdRateConverter::deliver(const float* samples, size_t frames)
{
    frames = size_t(std::clamp<int64_t>(m_outputLimit - m_framesOut, 0, int64_t(frames)));
    if (frames == 0)
        return true;
    m_pcm.resize(frames * 2);
    m_quantiser.quantise(samples, m_pcm.data(), frames * size_t(m_channels));
    if (m_channels == 1)
        monoToStereo(m_pcm.data(), frames);
    m_framesOut += int64_t(frames);
    return m_sink(m_pcm.data(), frames);
}
