// Reads the first audio stream of a file through FFmpeg's libraries: the
// container is the one libavformat recognises in the file's content, the
// stream is decoded by libavcodec, trimmed to the recording as the file
// declares it (GaplessTrim) and handed out block by block as one or two
// channels; a source of more channels is mixed down (StereoDownmix).
// Samples come as 16-bit integers when the decoder gives integers of 16
// bits or fewer and nothing is mixed, so that such a source can be copied
// bit for bit; otherwise as floats of full scale 1.0.
//
// Not thread-safe; a reader belongs to the thread that opened it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

class MediaReader {
public:
    enum class OpenStatus {
        Opened,
        Unopenable,     // no container, no decoder, or the decoder refused the stream
        NoAudioStream,
        Protected,      // the audio is encrypted (DRM)
    };
    struct Opening {
        OpenStatus status = OpenStatus::Unopenable;
        std::unique_ptr<MediaReader> reader;  // only when Opened
    };
    static Opening open(const std::string& path);

    ~MediaReader();
    MediaReader(const MediaReader&) = delete;
    MediaReader& operator=(const MediaReader&) = delete;

    int channels() const;        // as delivered: 1 or 2
    int sourceChannels() const;  // as the file holds them
    int sampleRate() const;
    bool integerSamples() const;
    // The recording's length in frames as the container states or
    // estimates it; -1 when it gives none.
    int64_t estimatedFrames() const;

    enum class ReadStatus {
        Block,      // a block is ready
        End,        // the stream ended cleanly
        Failed,     // the file could not be read or decoded further
        Protected,  // an encrypted block turned up
    };
    ReadStatus read();

    // After Block: the block's interleaved frames, channels() samples each,
    // in integers() or floats() as integerSamples() says. The caller may
    // change the floats in place; they are its until the next read().
    const int16_t* integers() const;
    float* floats();
    size_t frames() const;

    // The frames delivered so far.
    int64_t framesRead() const;

private:
    struct Stream;
    explicit MediaReader(std::unique_ptr<Stream> stream);

    std::unique_ptr<Stream> m_stream;  // FFmpeg's types stay out of this header
};
