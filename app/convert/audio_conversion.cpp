#include "audio_conversion.h"

#include "pending_wav_file.h"
#include "tpdf_quantiser.h"

#include <sndfile.h>
#include <soxr.h>

#include <algorithm>
#include <memory>
#include <vector>

namespace {

constexpr int CdRate = 44100;

// Frames read per block: large enough for the disk, small enough that the
// progress callback (and with it Cancel) is reached many times a second.
constexpr size_t BlockFrames = 32768;

struct SndfileCloser {
    void operator()(SNDFILE* file) const { sf_close(file); }
};
using SndfileHandle = std::unique_ptr<SNDFILE, SndfileCloser>;

struct SoxrDeleter {
    void operator()(soxr_t resampler) const { soxr_delete(resampler); }
};
using SoxrHandle = std::unique_ptr<std::remove_pointer_t<soxr_t>, SoxrDeleter>;

bool isSmallInteger(int format)
{
    const int subtype = format & SF_FORMAT_SUBMASK;
    return subtype == SF_FORMAT_PCM_16 || subtype == SF_FORMAT_PCM_S8 || subtype == SF_FORMAT_PCM_U8;
}

std::optional<ConvertibleSource> describe(const SF_INFO& info)
{
    if (info.channels < 1 || info.channels > 2 || info.samplerate <= 0 || info.frames < 0)
        return std::nullopt;
    const double outFrames = double(info.frames) * CdRate / info.samplerate;
    if (outFrames * 4 > double(PendingWavFile::MaxDataBytes))
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

// Turns interleaved samples of one or two channels into stereo frames, in
// place: samples holds room for 2 × frames values.
void toStereo(int16_t* samples, size_t frames, int channels)
{
    if (channels == 2)
        return;
    for (size_t i = frames; i-- > 0;) {
        samples[2 * i + 1] = samples[i];
        samples[2 * i] = samples[i];
    }
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
        toStereo(block.data(), frames, source.channels);
        return fromWrite(output.appendFrames(block.data(), frames));
    });
}

// Dithers floating samples to 16 bits and writes them as stereo frames.
class DitheredWriter {
public:
    DitheredWriter(int channels, PendingWavFile& output)
        : m_channels(channels), m_output(output)
    {
    }

    ConversionStatus write(const float* samples, size_t frames)
    {
        m_pcm.resize(frames * 2);
        m_quantiser.quantise(samples, m_pcm.data(), frames * size_t(m_channels));
        toStereo(m_pcm.data(), frames, m_channels);
        return fromWrite(m_output.appendFrames(m_pcm.data(), frames));
    }

    // Each clipped mono sample is written to both channels.
    uint64_t clippedSamples() const { return m_quantiser.clippedSamples() * uint64_t(2 / m_channels); }

private:
    int m_channels;
    PendingWavFile& m_output;
    TpdfQuantiser m_quantiser;
    std::vector<int16_t> m_pcm;
};

// Feeds input (null at the end, to drain the resampler) through the
// resampler and the writer until the resampler has taken all of it.
ConversionStatus resampleInto(soxr_t resampler, const float* input, size_t frames, std::vector<float>& out,
                              int channels, DitheredWriter& writer)
{
    const size_t capacity = out.size() / size_t(channels);
    for (;;) {
        size_t taken = 0;
        size_t produced = 0;
        if (soxr_process(resampler, input, frames, &taken, out.data(), capacity, &produced) != nullptr)
            return ConversionStatus::ReadFailed;
        if (produced > 0) {
            if (const ConversionStatus status = writer.write(out.data(), produced);
                status != ConversionStatus::Converted)
                return status;
        }
        if (input != nullptr) {
            input += taken * size_t(channels);
            frames -= taken;
            if (frames == 0)
                return ConversionStatus::Converted;
        } else if (produced == 0) {
            return ConversionStatus::Converted;
        }
    }
}

ConversionStatus convertWithDither(BlockPump& pump, const ConvertibleSource& source, PendingWavFile& output,
                                   uint64_t& clipped)
{
    const int channels = source.channels;
    std::vector<float> block(BlockFrames * size_t(channels));
    DitheredWriter writer(channels, output);
    ConversionStatus status;
    if (source.sampleRate == CdRate) {
        status = pump.run(block, [&](size_t frames) { return writer.write(block.data(), frames); });
    } else {
        const soxr_io_spec_t io = soxr_io_spec(SOXR_FLOAT32_I, SOXR_FLOAT32_I);
        const soxr_quality_spec_t quality = soxr_quality_spec(SOXR_HQ, 0);
        soxr_error_t error = nullptr;
        const SoxrHandle resampler(
            soxr_create(source.sampleRate, CdRate, unsigned(channels), &error, &io, &quality, nullptr));
        if (error != nullptr)
            return ConversionStatus::ReadFailed;
        const size_t outFrames = BlockFrames * CdRate / size_t(source.sampleRate) + 256;
        std::vector<float> resampled(outFrames * size_t(channels));
        status = pump.run(block, [&](size_t frames) {
            return resampleInto(resampler.get(), block.data(), frames, resampled, channels, writer);
        });
        if (status == ConversionStatus::Converted)
            status = resampleInto(resampler.get(), nullptr, 0, resampled, channels, writer);
    }
    clipped = writer.clippedSamples();
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
