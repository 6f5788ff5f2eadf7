#include "audio_conversion.h"

#include "cd_rate_converter.h"
#include "media_reader.h"
#include "pending_wav_file.h"

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

// Progress is reported after at least this many frames: often enough that
// Cancel is seen many times a second, seldom enough to cost nothing.
constexpr int64_t ProgressFrames = 32768;

ConvertibleSource describe(const MediaReader& reader)
{
    return ConvertibleSource{.channels = reader.sourceChannels(),
                             .sampleRate = reader.sampleRate(),
                             .frames = reader.estimatedFrames(),
                             .exactCopy = reader.sampleRate() == CdRate && reader.integerSamples()};
}

ConversionStatus fromOpening(MediaReader::OpenStatus status)
{
    switch (status) {
    case MediaReader::OpenStatus::Opened:
        return ConversionStatus::Converted;
    case MediaReader::OpenStatus::NoAudioStream:
        return ConversionStatus::NoAudioStream;
    case MediaReader::OpenStatus::Protected:
        return ConversionStatus::Protected;
    case MediaReader::OpenStatus::Unopenable:
        break;
    }
    return ConversionStatus::NotConvertible;
}

// The reason to refuse a source that opened, or Converted to take it.
ConversionStatus check(const ConvertibleSource& source)
{
    if (source.sampleRate < LowestRate || source.sampleRate > HighestRate)
        return ConversionStatus::RateOutOfBounds;
    if (source.frames > 0 &&
        uint64_t(CdRateConverter::outputFrames(source.frames, source.sampleRate)) * 4 > PendingWavFile::MaxDataBytes)
        return ConversionStatus::TooLong;
    return ConversionStatus::Converted;
}

ConversionStatus fromWrite(PendingWavFile::Status status)
{
    switch (status) {
    case PendingWavFile::Status::Ok:
        return ConversionStatus::Converted;
    case PendingWavFile::Status::DiskFull:
        return ConversionStatus::DiskFull;
    case PendingWavFile::Status::TooLong:
        return ConversionStatus::TooLong;
    case PendingWavFile::Status::Failed:
        break;
    }
    return ConversionStatus::WriteFailed;
}

// Hands the reader's blocks to a writer, reporting progress. The writer
// returns the status that stops the run, or Converted to go on.
template <typename Writer>
ConversionStatus pump(MediaReader& reader, const ConvertibleSource& source, const ConversionProgress& progress,
                      Writer&& write)
{
    int64_t reported = -ProgressFrames;
    for (;;) {
        const int64_t done = reader.framesRead();
        if (done - reported >= ProgressFrames) {
            reported = done;
            const int percent = source.frames > 0 ? int(std::min<int64_t>(99, done * 100 / source.frames)) : 0;
            if (progress && progress(percent))
                return ConversionStatus::Cancelled;
        }
        switch (reader.read()) {
        case MediaReader::ReadStatus::Block:
            break;
        case MediaReader::ReadStatus::End:
            return ConversionStatus::Converted;
        case MediaReader::ReadStatus::Protected:
            return ConversionStatus::Protected;
        case MediaReader::ReadStatus::Failed:
            return ConversionStatus::ReadFailed;
        }
        if (const ConversionStatus status = write(); status != ConversionStatus::Converted)
            return status;
    }
}

ConversionStatus copyExactly(MediaReader& reader, const ConvertibleSource& source, const ConversionProgress& progress,
                             PendingWavFile& output)
{
    std::vector<int16_t> stereo;
    return pump(reader, source, progress, [&] {
        const size_t frames = reader.frames();
        const int16_t* samples = reader.integers();
        if (reader.channels() == 1) {
            stereo.assign(samples, samples + frames);
            stereo.resize(frames * 2);
            CdRateConverter::monoToStereo(stereo.data(), frames);
            samples = stereo.data();
        }
        return fromWrite(output.appendFrames(samples, frames));
    });
}

// Brings the samples through the program's one rate converter into the
// output file; integer samples become floats of full scale 1.0 first.
ConversionStatus convertWithDither(MediaReader& reader, const ConvertibleSource& source,
                                   const ConversionProgress& progress, PendingWavFile& output, uint64_t& clipped)
{
    ConversionStatus written = ConversionStatus::Converted;
    CdRateConverter converter(source.sampleRate, reader.channels(), [&](const int16_t* stereo, size_t frames) {
        written = fromWrite(output.appendFrames(stereo, frames));
        return written == ConversionStatus::Converted;
    });
    // The converter fails only for a reason of its own or the file's.
    const auto failure = [&] { return written != ConversionStatus::Converted ? written : ConversionStatus::ReadFailed; };
    if (!converter.isReady())
        return ConversionStatus::ReadFailed;
    std::vector<float> block;
    ConversionStatus status = pump(reader, source, progress, [&] {
        float* samples = reader.floats();
        if (reader.integerSamples()) {
            block.resize(reader.frames() * size_t(reader.channels()));
            std::transform(reader.integers(), reader.integers() + block.size(), block.begin(),
                           [](int16_t v) { return float(v) / 32768.0f; });
            samples = block.data();
        }
        return converter.push(samples, reader.frames()) ? ConversionStatus::Converted : failure();
    });
    if (status == ConversionStatus::Converted && !converter.finish())
        status = failure();
    clipped = converter.clippedSamples();
    return status;
}

// Opens path and checks it: the reader on Converted, else the refusal.
std::unique_ptr<MediaReader> openChecked(const std::string& path, SourceProbe& probe)
{
    MediaReader::Opening opening = MediaReader::open(path);
    probe.status = fromOpening(opening.status);
    if (!opening.reader)
        return nullptr;
    probe.source = describe(*opening.reader);
    probe.status = check(probe.source);
    return probe.status == ConversionStatus::Converted ? std::move(opening.reader) : nullptr;
}

}  // namespace

SourceProbe probeSource(const std::string& path)
{
    SourceProbe probe;
    openChecked(path, probe);
    return probe;
}

std::optional<ConvertibleSource> probeConvertible(const std::string& path)
{
    const SourceProbe probe = probeSource(path);
    if (probe.status != ConversionStatus::Converted)
        return std::nullopt;
    return probe.source;
}

ConversionOutcome convertToCdWav(const std::string& source, const std::string& destination,
                                 const ConversionProgress& progress)
{
    SourceProbe probe;
    const std::unique_ptr<MediaReader> reader = openChecked(source, probe);
    ConversionOutcome outcome{.status = probe.status, .source = probe.source};
    if (!reader)
        return outcome;

    PendingWavFile output(destination);
    if (const auto opened = output.open(); opened != PendingWavFile::Status::Ok) {
        outcome.status = fromWrite(opened);
        return outcome;
    }
    outcome.status = probe.source.exactCopy
                         ? copyExactly(*reader, probe.source, progress, output)
                         : convertWithDither(*reader, probe.source, progress, output, outcome.clippedSamples);
    if (outcome.status == ConversionStatus::ReadFailed)
        outcome.failedAtSeconds = double(reader->framesRead()) / double(probe.source.sampleRate);
    if (outcome.status == ConversionStatus::Converted)
        outcome.status = fromWrite(output.commit());
    return outcome;
}
