// Converts an audio file into the one layout the engine accepts: 44.1 kHz,
// 16-bit stereo PCM WAV with the canonical header. The file is read by
// MediaReader (FFmpeg's libraries: WAV of any layout, AIFF, FLAC, Ogg
// Vorbis and Opus, MP4/M4A with AAC or ALAC, ADTS AAC, WMA, WavPack,
// Monkey's Audio, a video file's first audio stream), trimmed to the
// recording as the file declares it. Mono is copied to both channels; more
// than two channels are mixed down to two. A source whose samples are
// integers of 16 bits or fewer at 44.1 kHz, with nothing mixed, is copied
// sample for sample; any other is brought to 44.1 kHz 16-bit by
// CdRateConverter (libsoxr at its high-quality setting, fixed-seed TPDF
// dither, NaN silenced and values beyond full scale clamped and counted), so
// the same source always gives the same bytes.
// Runs on the calling thread.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

struct ConvertibleSource {
    int channels = 0;     // as the file holds them; more than two are mixed down
    int sampleRate = 0;
    int64_t frames = 0;   // as the container states or estimates them; -1 when it does not
    bool exactCopy = false;  // 44.1 kHz integer samples of 16 bits or fewer, nothing mixed

    bool mixedDown() const { return channels > 2; }
};

enum class ConversionStatus {
    Converted,
    Cancelled,        // the progress callback asked to stop
    NotConvertible,   // no container or decoder takes the file
    NoAudioStream,    // the file holds no audio
    Protected,        // the audio is encrypted (DRM)
    RateOutOfBounds,  // the rate lies outside 8,000 to 768,000 Hz
    TooLong,          // the result would pass the 2 GiB a track of the engine can hold
    ReadFailed,       // the source broke off while being read
    WriteFailed,      // the destination could not be written
    DiskFull,
};

// What the route makes of a file before converting it: Converted with the
// source described, or the reason it refuses the file (NotConvertible,
// NoAudioStream, Protected, RateOutOfBounds, TooLong). For RateOutOfBounds
// the description holds the rate.
struct SourceProbe {
    ConversionStatus status = ConversionStatus::NotConvertible;
    ConvertibleSource source;
};
SourceProbe probeSource(const std::string& path);

// The source's description when probeSource takes it, else nothing.
std::optional<ConvertibleSource> probeConvertible(const std::string& path);

struct ConversionOutcome {
    ConversionStatus status = ConversionStatus::NotConvertible;
    uint64_t clippedSamples = 0;  // samples of the written file that were beyond full scale
    ConvertibleSource source;     // as probeSource describes it
    double failedAtSeconds = 0;   // ReadFailed: how far into the recording reading stopped
};

// Called with the percent done (0 to 99) between blocks; returns true to stop.
using ConversionProgress = std::function<bool(int percent)>;

// Writes destination through a temporary file in its directory, renamed into
// place only when complete: on every outcome but Converted nothing is left
// behind and an existing destination is untouched.
ConversionOutcome convertToCdWav(const std::string& source, const std::string& destination,
                                 const ConversionProgress& progress);
