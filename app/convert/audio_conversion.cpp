#include "audio_conversion.h"

#include "pending_wav_file.h"
#include "cd_rate_converter.h"

#include <sndfile.h>

#include <algorithm>
#include <memory>
#include <vector>

namespace {

constexpr int CdRate = CdRateConverter::CdRate;

// The source rates taken: below 8 kHz nothing is music, and a rate far from
// 44.1 kHz costs the resampler time and memory out of all proportion (a
// header that claims 1 Hz turns 2,000 samples into half an hour of output).
constexpr int LowestRate = 8000;
constexpr int HighestRate = 768000;
// More frames than any source that fits the output could hold, at the
// highest rate; the bound also keeps the length arithmetic in range.
constexpr int64_t MostSourceFrames = int64_t(1) << 40;

// Frames read per block: large enough for the disk, small enough that the
// progress callback (and with it Cancel) is reached many times a second.
constexpr size_t BlockFrames = 32768;

struct SndfileCloser {
    void operator()(SNDFILE* file) const { sf_close(file); }
};
using SndfileHandle = std::unique_ptr<SNDFILE, SndfileCloser>;

bool isSmallInteger(int format)
{
    const int subtype = format & SF_FORMAT_SUBMASK;
    return subtype == SF_FORMAT_PCM_16 || subtype == SF_FORMAT_PCM_S8 || subtype == SF_FORMAT_PCM_U8;
}

std::optional<ConvertibleSource> describe(const SF_INFO& info)
{
    if (info.channels < 1 || info.channels > 2 || info.samplerate < LowestRate || info.samplerate > HighestRate ||
        info.frames < 0 || info.frames > MostSourceFrames)
        return std::nullopt;
    const int64_t outFrames = CdRateConverter::outputFrames(info.frames, info.samplerate);
    if (uint64_t(outFrames) * 4 > PendingWavFile::MaxDataBytes)
        return std::nullopt;
    return ConvertibleSource{.channels = info.channels,
                             .sampleRate = info.samplerate,
                             .frames = info.frames,
                             .exactCopy = info.samplerate == CdRate && isSmallInteger(info.format)};
}

ConversionStatus fromWrite(PendingWavFile::Status status)
{
    switch (status) {
    case PendingWavFile::Status::Ok:
        return ConversionStatus::Converted;
    case PendingWavFile::Status::DiskFull:
        return ConversionStatus::DiskFull;
    case PendingWavFile::Status::Failed:
        break;
    }
    return ConversionStatus::WriteFailed;
}

// Reads the source block by block, reporting progress, and hands each
// block to a writer. The writer returns the status that stops the run, or
// Converted to go on.
class BlockPump {
public:
    BlockPump(SNDFILE* file, const ConvertibleSource& source, const ConversionProgress& progress)
        : m_file(file), m_source(source), m_progress(progress)
    {
    }

    // Stops with Cancelled, ReadFailed or the writer's status; Converted at
    // the end of the source.
    template <typename Sample, typename Writer> ConversionStatus run(std::vector<Sample>& block, Writer&& write)
    {
        int64_t done = 0;
        for (;;) {
            if (m_progress && m_progress(percentOf(done)))
                return ConversionStatus::Cancelled;
            const sf_count_t got = read(block.data(), BlockFrames);
            if (got <= 0)
                return sf_error(m_file) == SF_ERR_NO_ERROR ? ConversionStatus::Converted
                                                           : ConversionStatus::ReadFailed;
            done += got;
            if (const ConversionStatus status = write(size_t(got)); status != ConversionStatus::Converted)
                return status;
        }
    }

private:
    int percentOf(int64_t done) const
    {
        return m_source.frames > 0 ? int(std::min<int64_t>(99, done * 100 / m_source.frames)) : 0;
    }
    sf_count_t read(int16_t* into, size_t frames) { return sf_readf_short(m_file, into, sf_count_t(frames)); }
    sf_count_t read(float* into, size_t frames) { return sf_readf_float(m_file, into, sf_count_t(frames)); }

    SNDFILE* m_file;
    const ConvertibleSource& m_source;
    const ConversionProgress& m_progress;
};

ConversionStatus copyExactly(BlockPump& pump, const ConvertibleSource& source, PendingWavFile& output)
{
    std::vector<int16_t> block(BlockFrames * 2);
    return pump.run(block, [&](size_t frames) {
        if (source.channels == 1)
            CdRateConverter::monoToStereo(block.data(), frames);
        return fromWrite(output.appendFrames(block.data(), frames));
    });
}

// Brings floating samples through the program's one rate converter into
// the output file.
ConversionStatus convertWithDither(BlockPump& pump, const ConvertibleSource& source, PendingWavFile& output,
                                   uint64_t& clipped)
{
    std::vector<float> block(BlockFrames * size_t(source.channels));
    ConversionStatus written = ConversionStatus::Converted;
    CdRateConverter converter(source.sampleRate, source.channels, [&](const int16_t* stereo, size_t frames) {
        written = fromWrite(output.appendFrames(stereo, frames));
        return written == ConversionStatus::Converted;
    });
    // The converter fails only for a reason of its own or the file's.
    const auto failure = [&] { return written != ConversionStatus::Converted ? written : ConversionStatus::ReadFailed; };
    if (!converter.isReady())
        return ConversionStatus::ReadFailed;
    ConversionStatus status = pump.run(block, [&](size_t frames) {
        return converter.push(block.data(), frames) ? ConversionStatus::Converted : failure();
    });
    if (status == ConversionStatus::Converted && !converter.finish())
        status = failure();
    clipped = converter.clippedSamples();
    return status;
}

}  // namespace

std::optional<ConvertibleSource> probeConvertible(const std::string& path)
{
    SF_INFO info{};
    const SndfileHandle file(sf_open(path.c_str(), SFM_READ, &info));
    if (!file)
        return std::nullopt;
    return describe(info);
}

ConversionOutcome convertToCdWav(const std::string& source, const std::string& destination,
                                 const ConversionProgress& progress)
{
    SF_INFO info{};
    const SndfileHandle file(sf_open(source.c_str(), SFM_READ, &info));
    const std::optional<ConvertibleSource> described = file ? describe(info) : std::nullopt;
    if (!described)
        return {ConversionStatus::NotConvertible};

    PendingWavFile output(destination);
    if (const auto opened = output.open(); opened != PendingWavFile::Status::Ok)
        return {fromWrite(opened)};

    BlockPump pump(file.get(), *described, progress);
    ConversionOutcome outcome;
    outcome.status = described->exactCopy ? copyExactly(pump, *described, output)
                                          : convertWithDither(pump, *described, output, outcome.clippedSamples);
    if (outcome.status == ConversionStatus::Converted)
        outcome.status = fromWrite(output.commit());
    return outcome;
}
