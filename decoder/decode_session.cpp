#include "decode_session.h"

#include <mpg123.h>

#include <cstring>
#include <vector>

namespace vbmp3 {

namespace {

constexpr long OutputRate = 44100;
constexpr int BytesPerFrame = 4;
// One read from the decoder: about 0.37 s of output. Stopping waits at most
// for one such block.
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

// True when the stream's info tag claims more than twice the samples its
// frames hold. Such a tag is damaged, and resampling with gapless trimming
// makes libmpg123 work in proportion to the claim: a 600-byte file whose tag
// claimed 800 billion samples took a minute to open. Read at the stream's
// own rate, where the tag costs nothing.
bool infoTagOverstatesLength(const char* path)
{
    int error = MPG123_OK;
    mpg123_handle* probe = mpg123_new(nullptr, &error);
    if (probe == nullptr)
        return false;
    mpg123_param(probe, MPG123_ADD_FLAGS, MPG123_GAPLESS | MPG123_QUIET, 0.0);
    bool overstated = false;
    long rate = 0;
    int channels = 0;
    int encoding = 0;
    if (mpg123_open(probe, path) == MPG123_OK && mpg123_getformat(probe, &rate, &channels, &encoding) == MPG123_OK) {
        const off_t claimed = mpg123_length(probe);
        overstated = mpg123_scan(probe) == MPG123_OK && claimed / 2 > mpg123_length(probe);
    }
    mpg123_close(probe);
    mpg123_delete(probe);
    return overstated;
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
    // Every stream comes out as 44.1 kHz 16-bit stereo: mono is spread to
    // both channels, other rates go through the decoder's own resampler.
    mpg123_param(stream, MPG123_ADD_FLAGS, MPG123_GAPLESS | MPG123_FORCE_STEREO | MPG123_QUIET, 0.0);
    mpg123_format_none(stream);
    mpg123_format(stream, OutputRate, MPG123_STEREO, MPG123_ENC_SIGNED_16);
    if (infoTagOverstatesLength(path))
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
    // The length counts output samples; the stream's own count follows from
    // the ratio of the rates.
    info.totalFrames = clampToInt32(length);
    info.sourceFrames = clampToInt32(static_cast<long long>(length) * frame.rate / OutputRate);
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

void DecodeSession::decode()
{
    std::vector<unsigned char> block(BlockBytes);
    bool complete = false;
    while (!m_stop.load(std::memory_order_relaxed)) {
        size_t done = 0;
        const int result = mpg123_read(m_stream, block.data(), block.size(), &done);
        done -= done % BytesPerFrame;
        if (done > 0) {
            m_framesDecoded += static_cast<int32_t>(done / BytesPerFrame);
            if (!m_wav.append(block.data(), done))
                break;
            m_framesWritten += static_cast<int32_t>(done / BytesPerFrame);
        }
        // The end of the stream, and also an error that the decoder cannot
        // get past (a truncated or damaged file): the samples decoded so far
        // are the track.
        if (result != MPG123_OK && result != MPG123_NEW_FORMAT) {
            complete = true;
            break;
        }
    }
    if (complete && !m_wav.finish())
        m_framesWritten = 0;
    m_running = false;
}

}  // namespace vbmp3
