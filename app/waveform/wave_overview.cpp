#include "wave_overview.h"

#include "cd_frame.h"
#include "recording_reader.h"

#include <algorithm>
#include <cstdlib>

namespace {

// Frames read at once: about 1.4 MB, which keeps reads large and the buffer
// small.
constexpr int64_t FramesPerRead = 600;

// Branch-free min and max reductions, which the compiler turns into packed
// 16-bit min and max: the scan then runs as fast as the file is read.
WaveOverview::Peak extremes(const int16_t* values, size_t count)
{
    int16_t hi = INT16_MIN;
    int16_t lo = INT16_MAX;
    for (size_t i = 0; i < count; ++i) {
        hi = std::max(hi, values[i]);
        lo = std::min(lo, values[i]);
    }
    return {hi, lo};
}

}  // namespace

QString WaveOverview::Scan(const Recording& recording, const Progress& progress)
{
    m_stopped = false;
    const int64_t total = cdframe::FramesOf(recording.samples() * Recording::SampleBytes);
    m_peaks.assign(size_t(total), Peak{});
    RecordingReader reader(recording);
    std::vector<int16_t> values(size_t(FramesPerRead * cdframe::Samples * 2));
    int shown = -1;
    for (int64_t first = 0; first < total; first += FramesPerRead) {
        const int64_t from = first * cdframe::Samples;
        const int64_t count = std::min<int64_t>(FramesPerRead * cdframe::Samples, recording.samples() - from);
        if (QString error = reader.read(from, count, values.data()); !error.isEmpty())
            return error;
        for (int64_t f = 0; f * cdframe::Samples < count; ++f) {
            const int64_t from = f * cdframe::Samples;
            const size_t n = size_t(std::min<int64_t>(count - from, cdframe::Samples) * 2);
            m_peaks[size_t(first + f)] = extremes(values.data() + from * 2, n);
        }
        const int percent = int((first + FramesPerRead) * 100 / std::max<int64_t>(total, 1));
        if (progress && percent != shown) {
            shown = percent;
            if (!progress(std::min(percent, 100))) {
                m_stopped = true;
                m_peaks.clear();
                return {};
            }
        }
    }
    return {};
}

WaveOverview::Peak WaveOverview::span(int64_t first, int64_t count) const
{
    const int64_t begin = std::clamp<int64_t>(first, 0, frames());
    const int64_t end = std::clamp<int64_t>(first + count, 0, frames());
    if (begin >= end)
        return {};
    Peak result{INT16_MIN, INT16_MAX};
    for (int64_t i = begin; i < end; ++i) {
        result.max = std::max(result.max, m_peaks[size_t(i)].max);
        result.min = std::min(result.min, m_peaks[size_t(i)].min);
    }
    return result;
}

int WaveOverview::level(int64_t i) const
{
    const Peak p = m_peaks[size_t(i)];
    return std::max(std::abs(int(p.max)), std::abs(int(p.min)));
}
