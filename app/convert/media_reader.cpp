#include "media_reader.h"

#include "gapless_trim.h"
#include "itunes_gapless.h"
#include "mp4_timing.h"
#include "source_sniff.h"
#include "stereo_downmix.h"

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/channel_layout.h>
#include <libavutil/intreadwrite.h>
}

#include <cstring>
#include <optional>
#include <vector>

namespace {

struct FormatCloser {
    void operator()(AVFormatContext* context) const { avformat_close_input(&context); }
};
struct CodecFreer {
    void operator()(AVCodecContext* context) const { avcodec_free_context(&context); }
};
struct PacketFreer {
    void operator()(AVPacket* packet) const { av_packet_free(&packet); }
};
struct FrameFreer {
    void operator()(AVFrame* frame) const { av_frame_free(&frame); }
};
using FormatHandle = std::unique_ptr<AVFormatContext, FormatCloser>;
using CodecHandle = std::unique_ptr<AVCodecContext, CodecFreer>;

// The demuxer of MP4, M4A, QuickTime and 3GP files.
bool isMp4Family(const AVInputFormat* format)
{
    return std::strncmp(format->name, "mov,", 4) == 0;
}

// The marks of encrypted audio that libavformat leaves visible: the sample
// entries of FairPlay ("drms") and of common encryption ("enca") in MP4,
// their initialisation data, and the protection objects of ASF (WMA).
bool isProtected(const AVFormatContext& format, const AVStream& stream)
{
    const uint32_t tag = stream.codecpar->codec_tag;
    if (tag == MKTAG('d', 'r', 'm', 's') || tag == MKTAG('e', 'n', 'c', 'a'))
        return true;
    if (av_stream_get_side_data(&stream, AV_PKT_DATA_ENCRYPTION_INIT_INFO, nullptr) != nullptr)
        return true;
    for (const char* key : {"ASF_Protection_Type", "encryption"}) {
        if (av_dict_get(format.metadata, key, nullptr, 0) != nullptr)
            return true;
    }
    return false;
}

AVStream* firstAudioStream(const AVFormatContext& format)
{
    for (unsigned i = 0; i < format.nb_streams; ++i) {
        AVStream* stream = format.streams[i];
        if (stream->codecpar->codec_type == AVMEDIA_TYPE_AUDIO)
            return stream;
    }
    return nullptr;
}

int64_t toSamples(int64_t time, AVRational timeBase, int rate)
{
    return av_rescale_q(time, timeBase, AVRational{1, rate});
}

// What the container and its tags declare of the recording beyond the
// skips libavcodec exports.
GaplessTrim::Declared declaredTrim(const std::string& path, const AVFormatContext& format, const AVStream& stream,
                                   int rate)
{
    GaplessTrim::Declared declared;
    if (std::strcmp(format.iformat->name, "ogg") == 0 && stream.codecpar->codec_id == AV_CODEC_ID_VORBIS &&
        stream.duration != AV_NOPTS_VALUE && stream.duration > 0) {
        // libavformat's duration of an Ogg stream is its last granule
        // position less the stream's start.
        declared.length = toSamples(stream.duration, stream.time_base, rate);
        declared.tailSkips = false;
    }
    if (!isMp4Family(format.iformat))
        return declared;
    const auto moov = readMoovBox(path);
    const auto timing = moov ? parseMp4Timing(*moov) : std::nullopt;
    if (const auto recording = timing ? declaredRecording(*timing) : std::nullopt) {
        const AVRational media{1, int(timing->mediaTimescale)};
        declared.delay = toSamples(recording->delay, media, rate);
        declared.length = toSamples(recording->length, media, rate);
    }
    // The store's own declaration is exact to the sample.
    if (const AVDictionaryEntry* tag = av_dict_get(format.metadata, "iTunSMPB", nullptr, 0)) {
        if (const auto gapless = parseItunSmpb(tag->value)) {
            declared.delay = gapless->delay;
            declared.length = gapless->length;
        }
    }
    return declared;
}

// Integer samples of 16 bits or fewer, which can be copied exactly.
bool givesSmallIntegers(AVSampleFormat format, int bitsPerRawSample)
{
    switch (av_get_packed_sample_fmt(format)) {
    case AV_SAMPLE_FMT_U8:
    case AV_SAMPLE_FMT_S16:
        return true;
    case AV_SAMPLE_FMT_S32:
        return bitsPerRawSample > 0 && bitsPerRawSample <= 16;
    default:
        return false;
    }
}

// Copies `count` frames from frame `first` of a decoded frame, planar or
// interleaved, into interleaved output, converting each sample.
template <typename In, typename Out, typename Convert>
void gather(const AVFrame& frame, int channels, int64_t first, int64_t count, Out* out, Convert convert)
{
    const bool planar = av_sample_fmt_is_planar(AVSampleFormat(frame.format)) != 0;
    const ptrdiff_t step = planar ? 1 : channels;
    for (int c = 0; c < channels; ++c) {
        const In* in = planar ? reinterpret_cast<const In*>(frame.extended_data[c]) + first
                              : reinterpret_cast<const In*>(frame.extended_data[0]) + first * channels + c;
        for (int64_t i = 0; i < count; ++i)
            out[i * channels + c] = convert(in[i * step]);
    }
}

bool toIntegers(const AVFrame& frame, int channels, int64_t first, int64_t count, int16_t* out)
{
    switch (av_get_packed_sample_fmt(AVSampleFormat(frame.format))) {
    case AV_SAMPLE_FMT_U8:
        gather<uint8_t>(frame, channels, first, count, out, [](uint8_t v) { return int16_t((int(v) - 128) * 256); });
        return true;
    case AV_SAMPLE_FMT_S16:
        gather<int16_t>(frame, channels, first, count, out, [](int16_t v) { return v; });
        return true;
    case AV_SAMPLE_FMT_S32:
        gather<int32_t>(frame, channels, first, count, out, [](int32_t v) { return int16_t(v >> 16); });
        return true;
    default:
        return false;
    }
}

bool toFloats(const AVFrame& frame, int channels, int64_t first, int64_t count, float* out)
{
    switch (av_get_packed_sample_fmt(AVSampleFormat(frame.format))) {
    case AV_SAMPLE_FMT_U8:
        gather<uint8_t>(frame, channels, first, count, out, [](uint8_t v) { return float(int(v) - 128) / 128.0f; });
        return true;
    case AV_SAMPLE_FMT_S16:
        gather<int16_t>(frame, channels, first, count, out, [](int16_t v) { return float(v) / 32768.0f; });
        return true;
    case AV_SAMPLE_FMT_S32:
        gather<int32_t>(frame, channels, first, count, out, [](int32_t v) { return float(double(v) / 2147483648.0); });
        return true;
    case AV_SAMPLE_FMT_S64:
        gather<int64_t>(frame, channels, first, count, out,
                        [](int64_t v) { return float(double(v) / 9223372036854775808.0); });
        return true;
    case AV_SAMPLE_FMT_FLT:
        gather<float>(frame, channels, first, count, out, [](float v) { return v; });
        return true;
    case AV_SAMPLE_FMT_DBL:
        gather<double>(frame, channels, first, count, out, [](double v) { return float(v); });
        return true;
    default:
        return false;
    }
}

}  // namespace

struct MediaReader::Stream {
    FormatHandle format;
    CodecHandle codec;
    std::unique_ptr<AVPacket, PacketFreer> packet{av_packet_alloc()};
    std::unique_ptr<AVFrame, FrameFreer> decoded{av_frame_alloc()};
    const AVStream* stream = nullptr;
    int sourceChannels = 0;
    int rate = 0;
    bool integers = false;
    int64_t estimatedFrames = -1;
    std::optional<StereoDownmix> downmix;
    std::optional<GaplessTrim> trim;
    std::optional<int64_t> nextPosition;  // where the next block should start
    int64_t gapTolerance = 0;
    bool drained = false;
    std::vector<int16_t> integerBlock;
    std::vector<float> floatBlock;
    std::vector<float> wideBlock;  // all source channels, before the mix
    size_t frames = 0;
    int64_t framesRead = 0;

    int deliveredChannels() const { return downmix ? 2 : sourceChannels; }
    OpenStatus openContainer(const std::string& path);
    bool openDecoder();
    bool describe(const std::string& path);
    bool take(const AVFrame& frame);
};

MediaReader::Opening MediaReader::open(const std::string& path)
{
    auto s = std::make_unique<Stream>();
    if (const OpenStatus status = s->openContainer(path); status != OpenStatus::Opened)
        return {status, nullptr};
    if (!s->openDecoder() || !s->describe(path))
        return {OpenStatus::Unopenable, nullptr};
    return {OpenStatus::Opened, std::unique_ptr<MediaReader>(new MediaReader(std::move(s)))};
}

// Opens the container the content shows and picks its first audio stream;
// the other streams are not read.
MediaReader::OpenStatus MediaReader::Stream::openContainer(const std::string& path)
{
    const AVInputFormat* container = recogniseContainer(path);
    AVFormatContext* opened = nullptr;
    if (container == nullptr || !packet || !decoded || avformat_open_input(&opened, path.c_str(), container, nullptr) < 0)
        return OpenStatus::Unopenable;
    format.reset(opened);
    if (avformat_find_stream_info(opened, nullptr) < 0)
        return OpenStatus::Unopenable;
    AVStream* audio = firstAudioStream(*opened);
    if (audio == nullptr)
        return OpenStatus::NoAudioStream;
    if (isProtected(*opened, *audio))
        return OpenStatus::Protected;
    for (unsigned i = 0; i < opened->nb_streams; ++i) {
        if (opened->streams[i] != audio)
            opened->streams[i]->discard = AVDISCARD_ALL;
    }
    stream = audio;
    return OpenStatus::Opened;
}

bool MediaReader::Stream::openDecoder()
{
    const AVCodec* decoder = avcodec_find_decoder(stream->codecpar->codec_id);
    codec.reset(decoder != nullptr ? avcodec_alloc_context3(decoder) : nullptr);
    if (!codec || avcodec_parameters_to_context(codec.get(), stream->codecpar) < 0)
        return false;
    codec->pkt_timebase = stream->time_base;
    // The skips are applied by GaplessTrim, which also knows what tags and
    // timelines declare; and damage is to be found, not smoothed over.
    codec->flags2 |= AV_CODEC_FLAG2_SKIP_MANUAL;
    codec->err_recognition |= AV_EF_CRCCHECK;
    return avcodec_open2(codec.get(), decoder, nullptr) >= 0;
}

// The channels, rate and samples the decoder gives, and what the file
// declares of its recording; false when they cannot be delivered.
bool MediaReader::Stream::describe(const std::string& path)
{
    AVChannelLayout layout{};
    const AVChannelLayout& given = codec->ch_layout.nb_channels > 0 ? codec->ch_layout : stream->codecpar->ch_layout;
    if (av_channel_layout_copy(&layout, &given) < 0)
        return false;
    if (layout.order == AV_CHANNEL_ORDER_UNSPEC)
        av_channel_layout_default(&layout, layout.nb_channels);
    sourceChannels = layout.nb_channels;
    if (sourceChannels > 2)
        downmix = StereoDownmix::forLayout(layout);
    av_channel_layout_uninit(&layout);
    rate = codec->sample_rate;
    if (sourceChannels < 1 || (sourceChannels > 2 && !downmix) || rate <= 0)
        return false;

    const AVSampleFormat sampleFormat =
        codec->sample_fmt != AV_SAMPLE_FMT_NONE ? codec->sample_fmt : AVSampleFormat(stream->codecpar->format);
    const int bits = codec->bits_per_raw_sample > 0 ? codec->bits_per_raw_sample : stream->codecpar->bits_per_raw_sample;
    integers = !downmix && givesSmallIntegers(sampleFormat, bits);
    const GaplessTrim::Declared declared = declaredTrim(path, *format, *stream, rate);
    trim.emplace(declared);
    // Times count in ticks of the stream's time base, which may be coarser
    // than a sample (a millisecond in ASF).
    gapTolerance = 2 * (toSamples(1, stream->time_base, rate) + 1);
    if (declared.length)
        estimatedFrames = *declared.length;
    else if (stream->duration != AV_NOPTS_VALUE && stream->duration > 0)
        estimatedFrames = toSamples(stream->duration, stream->time_base, rate);
    else if (format->duration != AV_NOPTS_VALUE && format->duration > 0)
        estimatedFrames = av_rescale(format->duration, rate, AV_TIME_BASE);
    return true;
}

MediaReader::MediaReader(std::unique_ptr<Stream> stream)
    : m_stream(std::move(stream))
{
}

MediaReader::~MediaReader() = default;

int MediaReader::channels() const
{
    return m_stream->deliveredChannels();
}

int MediaReader::sourceChannels() const
{
    return m_stream->sourceChannels;
}

int MediaReader::sampleRate() const
{
    return m_stream->rate;
}

bool MediaReader::integerSamples() const
{
    return m_stream->integers;
}

int64_t MediaReader::estimatedFrames() const
{
    return m_stream->estimatedFrames;
}

const int16_t* MediaReader::integers() const
{
    return m_stream->integerBlock.data();
}

float* MediaReader::floats()
{
    return m_stream->floatBlock.data();
}

size_t MediaReader::frames() const
{
    return m_stream->frames;
}

int64_t MediaReader::framesRead() const
{
    return m_stream->framesRead;
}

// Keeps the recording's part of a decoded frame in the block; false when the
// frame is damaged or no longer of the stream's layout.
bool MediaReader::Stream::take(const AVFrame& frame)
{
    if ((frame.flags & AV_FRAME_FLAG_CORRUPT) != 0 || frame.decode_error_flags != 0 ||
        frame.ch_layout.nb_channels != sourceChannels || frame.sample_rate != rate)
        return false;
    // A block that starts later than the last one ended means that blocks
    // in between were lost: a demuxer passes over damaged data without a
    // word, to the next place it can read.
    std::optional<int64_t> position;
    if (frame.best_effort_timestamp != AV_NOPTS_VALUE)
        position = toSamples(frame.best_effort_timestamp, stream->time_base, rate);
    if (position && nextPosition && *position > *nextPosition + gapTolerance)
        return false;
    nextPosition = position.value_or(nextPosition.value_or(0)) + frame.nb_samples;
    GaplessTrim::Block block;
    block.samples = frame.nb_samples;
    if (const AVFrameSideData* skip = av_frame_get_side_data(&frame, AV_FRAME_DATA_SKIP_SAMPLES);
        skip != nullptr && skip->size >= 8) {
        block.skipStart = AV_RL32(skip->data);
        block.skipEnd = AV_RL32(skip->data + 4);
    }
    const GaplessTrim::Kept kept = trim->keep(block);
    frames = size_t(kept.count);
    if (kept.count == 0)
        return true;
    bool converted = false;
    if (integers) {
        integerBlock.resize(frames * size_t(sourceChannels));
        converted = toIntegers(frame, sourceChannels, kept.first, kept.count, integerBlock.data());
    } else if (downmix) {
        wideBlock.resize(frames * size_t(sourceChannels));
        floatBlock.resize(frames * 2);
        converted = toFloats(frame, sourceChannels, kept.first, kept.count, wideBlock.data());
        downmix->apply(wideBlock.data(), frames, floatBlock.data());
    } else {
        floatBlock.resize(frames * size_t(sourceChannels));
        converted = toFloats(frame, sourceChannels, kept.first, kept.count, floatBlock.data());
    }
    framesRead += kept.count;
    return converted;
}

MediaReader::ReadStatus MediaReader::read()
{
    Stream& s = *m_stream;
    for (;;) {
        const int received = avcodec_receive_frame(s.codec.get(), s.decoded.get());
        if (received == 0) {
            const bool taken = s.take(*s.decoded);
            av_frame_unref(s.decoded.get());
            if (!taken)
                return ReadStatus::Failed;
            if (s.frames > 0)
                return ReadStatus::Block;
            continue;
        }
        if (received == AVERROR_EOF)
            return ReadStatus::End;
        if (received != AVERROR(EAGAIN) || s.drained)
            return ReadStatus::Failed;

        const int got = av_read_frame(s.format.get(), s.packet.get());
        if (got == AVERROR_EOF) {
            s.drained = true;
            if (avcodec_send_packet(s.codec.get(), nullptr) < 0)
                return ReadStatus::Failed;
            continue;
        }
        if (got < 0)
            return ReadStatus::Failed;
        const std::unique_ptr<AVPacket, decltype(&av_packet_unref)> unref(s.packet.get(), &av_packet_unref);
        if (s.packet->stream_index != s.stream->index)
            continue;
        if (av_packet_get_side_data(s.packet.get(), AV_PKT_DATA_ENCRYPTION_INFO, nullptr) != nullptr)
            return ReadStatus::Protected;
        if ((s.packet->flags & AV_PKT_FLAG_CORRUPT) != 0 || avcodec_send_packet(s.codec.get(), s.packet.get()) < 0)
            return ReadStatus::Failed;
    }
}
