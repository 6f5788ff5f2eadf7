#include "track_measurement.h"

#include "read_only_file.h"
#include "system_error_text.h"

#include <ebur128.h>
#include <fcntl.h>
#include <unistd.h>

#include <bit>
#include <cerrno>
#include <cmath>
#include <memory>
#include <vector>

namespace {

// The data is little-endian 16-bit and goes to the meter as it is read.
static_assert(std::endian::native == std::endian::little);

constexpr int Channels = 2;
constexpr unsigned long SampleRate = 44100;
constexpr qint64 FrameBytes = 4;
// 16,384 frames: a few milliseconds of work between looks at the stop flag.
constexpr qint64 BlockFrames = 16384;

struct StateFree {
    void operator()(ebur128_state* state) const { ebur128_destroy(&state); }
};
using Meter = std::unique_ptr<ebur128_state, StateFree>;

double truePeakDb(ebur128_state* state)
{
    double peak = 0;
    for (unsigned channel = 0; channel < Channels; ++channel) {
        double channelPeak = 0;
        ebur128_true_peak(state, channel, &channelPeak);
        peak = std::max(peak, channelPeak);
    }
    return 20 * std::log10(peak);
}

}  // namespace

TrackMeasurement MeasureTrack(const std::string& encodedPath, qint64 dataOffset, qint64 dataBytes,
                              const std::atomic<bool>& stop)
{
    TrackMeasurement result;
    const ReadOnlyFile file(encodedPath.c_str());
    if (file.openError() != 0) {
        result.error = SystemErrorText(file.openError());
        return result;
    }
    const auto before = FileVersion::OfDescriptor(file.descriptor());
    if (!before) {
        result.error = SystemErrorText(errno);
        return result;
    }
    ::posix_fadvise(file.descriptor(), dataOffset, dataBytes, POSIX_FADV_SEQUENTIAL);
    const Meter meter(ebur128_init(Channels, SampleRate, EBUR128_MODE_I | EBUR128_MODE_TRUE_PEAK));
    if (!meter) {
        result.error = SystemErrorText(ENOMEM);
        return result;
    }
    std::vector<int16_t> block(BlockFrames * Channels);
    const qint64 frames = dataBytes / FrameBytes;
    for (qint64 done = 0; done < frames && !stop.load(std::memory_order_relaxed);) {
        const qint64 count = std::min(BlockFrames, frames - done);
        const qint64 wanted = count * FrameBytes;
        const int64_t got = file.read(dataOffset + done * FrameBytes, reinterpret_cast<char*>(block.data()), wanted);
        if (got != wanted) {
            result.error = got < 0 ? SystemErrorText(errno) : FileCutShortText();
            return result;
        }
        ebur128_add_frames_short(meter.get(), block.data(), static_cast<size_t>(count));
        done += count;
    }
    if (stop.load(std::memory_order_relaxed))
        return result;
    ebur128_loudness_global(meter.get(), &result.figures.integrated);
    result.figures.truePeak = truePeakDb(meter.get());
    // Figures of a file that changed while it was read belong to no file.
    if (FileVersion::OfDescriptor(file.descriptor()) == before)
        result.identity = before;
    return result;
}
