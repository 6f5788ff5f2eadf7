// Converts an audio file that libsndfile can read (WAV of any chunk layout,
// word length or sample format, AIFF, FLAC, Ogg Vorbis) into the one layout
// the engine accepts: 44.1 kHz, 16-bit stereo PCM WAV with the canonical
// header. Mono is copied to both channels. A source whose samples are
// 16 bits or fewer at 44.1 kHz is copied sample for sample; any other is
// brought to 44.1 kHz 16-bit by CdRateConverter (libsoxr at its high-quality
// setting, fixed-seed TPDF dither, NaN silenced and values beyond full scale
// clamped and counted), so the same source always gives the same bytes.
// Runs on the calling thread.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

struct ConvertibleSource {
    int channels = 0;
    int sampleRate = 0;
    int64_t frames = 0;
    bool exactCopy = false;  // 44.1 kHz integer samples of 16 bits or fewer
};

// What libsndfile finds in path, or nothing when it cannot read the file as
// audio of one or two channels (a down-mix is the user's decision), its rate
// lies outside 8,000 to 768,000 Hz, or the result would pass the 2 GiB a
// track of the engine can hold.
std::optional<ConvertibleSource> probeConvertible(const std::string& path);

enum class ConversionStatus {
    Converted,
    Cancelled,       // the progress callback asked to stop
    NotConvertible,  // as probeConvertible refuses
    ReadFailed,      // the source broke off while being read
    WriteFailed,     // the destination could not be written
    DiskFull,
};

struct ConversionOutcome {
    ConversionStatus status = ConversionStatus::NotConvertible;
    uint64_t clippedSamples = 0;  // samples of the written file that were beyond full scale
};

// Called with the percent done (0 to 99) between blocks; returns true to stop.
using ConversionProgress = std::function<bool(int percent)>;

// Writes destination through a temporary file in its directory, renamed into
// place only when complete: on every outcome but Converted nothing is left
// behind and an existing destination is untouched.
ConversionOutcome convertToCdWav(const std::string& source, const std::string& destination,
                                 const ConversionProgress& progress);
