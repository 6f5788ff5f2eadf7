#include "decode_session.h"

#include "cd_rate_converter.h"

#include <mpg123.h>

#include <cstring>
#include <optional>
#include <vector>

namespace vbmp3 {

namespace {

constexpr long OutputRate = CdRateConverter::CdRate;
constexpr int BytesPerFrame = 4;
// One read from the decoder: about 0.37 s of 16-bit output at 44.1 kHz,
// 0.17 s of floating samples at 48 kHz. Stopping waits at most for one such
// block.
constexpr size_t BlockBytes = 64 * 1024;

int32_t versionNumber(int version)
{
    switch (version) {
    case MPG123_1_0:
        return 10;
    case MPG123_2_0:
        return 20;
    case MPG123_2_5:
        return 25;
    }
    return 0;
}

int32_t clampToInt32(long long value)
{
    return value < 0 ? 0 : value > INT32_MAX ? INT32_MAX : static_cast<int32_t>(value);
}

// What a first look at the stream's own rate finds, and that rate and the
// channels. The
// look costs little, whereas gapless trimming with a resampled or
// restricted output works in proportion to what the info tag claims: a 600-byte file whose tag claimed 800 billion
// samples took a minute to open, and another a minute to fail. A tag that
// claims more than twice the samples the frames hold is damaged and ignored;
// a stream that does not decode at its own rate does not decode at all.
enum class FirstLook { NoAudio, DamagedInfoTag, Audio };

FirstLook lookAtOwnRate(const char* path, long& rate, int& channels)
{
    int error = MPG123_OK;
    mpg123_handle* probe = mpg123_new(nullptr, &error);
    if (probe == nullptr)
        return FirstLook::NoAudio;
    mpg123_param(probe, MPG123_ADD_FLAGS, MPG123_GAPLESS | MPG123_QUIET, 0.0);
    FirstLook look = FirstLook::NoAudio;
    int encoding = 0;
    if (mpg123_open(probe, path) == MPG123_OK && mpg123_getformat(probe, &rate, &channels, &encoding) == MPG123_OK) {
        const off_t claimed = mpg123_length(probe);
        if (mpg123_scan(probe) == MPG123_OK)
            look = claimed / 2 > mpg123_length(probe) ? FirstLook::DamagedInfoTag : FirstLook::Audio;
    }
    mpg123_close(probe);
    mpg123_delete(probe);
    return look;
}

}  // namespace

DecodeSession::~DecodeSession()
{
    close();
}

bool DecodeSession::open(const char* path, VBMP3_INFORMATION& info)
{
    close();
    std::memset(&info, 0, sizeof info);
    int error = MPG123_OK;
    mpg123_handle* stream = mpg123_new(nullptr, &error);
    if (stream == nullptr)
        return false;
    long ownRate = 0;
    int ownChannels = 0;
    const FirstLook look = lookAtOwnRate(path, ownRate, ownChannels);
    if (look == FirstLook::NoAudio) {
        mpg123_delete(stream);
        return false;
    }
    // Every stream is decoded at its own rate: at 44.1 kHz straight to 16-bit
    // stereo (mono spread to both channels), at any other rate as floating
    // samples for the program's rate converter, since the decoder's own
    // resampler has no real anti-imaging filter. There a mono stream stays
    // mono up to the converter, so that both channels get the same dither.
    const bool converted = ownRate != OutputRate;
    const bool mono = converted && ownChannels == 1;
    mpg123_param(stream, MPG123_ADD_FLAGS,
                 MPG123_GAPLESS | MPG123_QUIET | (mono ? MPG123_MONO_MIX : MPG123_FORCE_STEREO), 0.0);
    mpg123_format_none(stream);
    mpg123_format(stream, ownRate, mono ? MPG123_MONO : MPG123_STEREO,
                  converted ? MPG123_ENC_FLOAT_32 : MPG123_ENC_SIGNED_16);
    if (look == FirstLook::DamagedInfoTag)
        mpg123_param(stream, MPG123_ADD_FLAGS, MPG123_IGNORE_INFOFRAME, 0.0);

    long rate = 0;
    int channels = 0;
    int encoding = 0;
    mpg123_frameinfo frame{};
    // The scan reads every frame header, so that the length is exact even
    // without an info tag, and a file without a single frame is refused.
    if (mpg123_open(stream, path) != MPG123_OK || mpg123_getformat(stream, &rate, &channels, &encoding) != MPG123_OK ||
        mpg123_info(stream, &frame) != MPG123_OK || mpg123_scan(stream) != MPG123_OK) {
        mpg123_delete(stream);
        return false;
    }
    const off_t length = mpg123_length(stream);
    if (length <= 0) {
        mpg123_delete(stream);
        return false;
    }
    // Only a file that starts as MPEG audio is taken, but once it has, a
    // damaged stretch of any length is skipped rather than ending the track.
    mpg123_param(stream, MPG123_RESYNC_LIMIT, -1, 0.0);
    m_stream = stream;

    info.sampleRate = static_cast<int32_t>(frame.rate);
    info.channels = frame.mode == MPG123_M_MONO ? 1 : 2;
    info.bitRate = frame.bitrate;
    info.layer = frame.layer;
    info.version = versionNumber(frame.version);
    info.bitRateMode = frame.vbr == MPG123_CBR ? 0 : frame.vbr == MPG123_VBR ? 1 : 2;
    // The encoder's delay is known (and removed) only from an info tag.
    long delay = -1;
    double unused = 0;
    info.gapless = mpg123_getstate(stream, MPG123_ENC_DELAY, &delay, &unused) == MPG123_OK && delay >= 0;
    // The length counts samples at the stream's own rate; the output holds
    // the same duration at 44.1 kHz.
    m_rate = rate;
    m_channels = channels;
    info.sourceFrames = clampToInt32(length);
    info.totalFrames = clampToInt32(CdRateConverter::outputFrames(length, rate));
    return true;
}

bool DecodeSession::start(const char* wavPath)
{
    if (m_stream == nullptr || m_worker.joinable())
        return false;
    if (!m_wav.create(wavPath))
        return false;
    m_stop = false;
    m_framesDecoded = 0;
    m_framesWritten = 0;
    m_running = true;
    m_worker = std::thread([this] { decode(); });
    return true;
}

bool DecodeSession::running(int32_t* position) const
{
    if (position != nullptr)
        *position = m_framesWritten.load();
    return m_running.load();
}

void DecodeSession::close()
{
    m_stop = true;
    if (m_worker.joinable())
        m_worker.join();
    m_running = false;
    m_wav.close();
    if (m_stream != nullptr) {
        mpg123_close(m_stream);
        mpg123_delete(m_stream);
        m_stream = nullptr;
    }
}

// Hands frames to the WAV file, counting them; false when they cannot be
// written.
bool DecodeSession::write(const unsigned char* bytes, size_t frames)
{
    m_framesDecoded += static_cast<int32_t>(frames);
    if (!m_wav.append(bytes, frames * BytesPerFrame))
        return false;
    m_framesWritten += static_cast<int32_t>(frames);
    return true;
}

void DecodeSession::decode()
{
    std::vector<unsigned char> block(BlockBytes);
    // At 44.1 kHz the decoder's 16-bit stereo frames go straight to the file;
    // at any other rate its floating frames go through the converter.
    std::optional<CdRateConverter> converter;
    if (m_rate != OutputRate) {
        converter.emplace(int(m_rate), m_channels, [this](const int16_t* stereo, size_t frames) {
            return write(reinterpret_cast<const unsigned char*>(stereo), frames);
        });
    }
    const size_t frameBytes = converter ? size_t(m_channels) * sizeof(float) : BytesPerFrame;
    bool complete = false;
    while (!m_stop.load(std::memory_order_relaxed) && (!converter || converter->isReady())) {
        size_t done = 0;
        const int result = mpg123_read(m_stream, block.data(), block.size(), &done);
        const size_t frames = done / frameBytes;
        if (frames > 0) {
            const bool written = converter ? converter->push(reinterpret_cast<float*>(block.data()), frames)
                                           : write(block.data(), frames);
            if (!written)
                break;
        }
        // The end of the stream, and also an error that the decoder cannot
        // get past (a truncated or damaged file): the samples decoded so far
        // are the track.
        if (result != MPG123_OK && result != MPG123_NEW_FORMAT) {
            complete = !converter || converter->finish();
            break;
        }
    }
    if (complete && !m_wav.finish())
        m_framesWritten = 0;
    m_running = false;
}

}  // namespace vbmp3
