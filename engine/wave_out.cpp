#include "wave_out.h"

#include <algorithm>
#include <cerrno>

namespace welvox {
namespace {

// Room for the three playback buffers of 4,096 frames and some slack, so
// that queueing one never has to wait for ALSA.
constexpr snd_pcm_uframes_t kRingFrames = 16384;

bool configure(snd_pcm_t* pcm) {
    snd_pcm_hw_params_t* hw = nullptr;
    snd_pcm_hw_params_alloca(&hw);
    snd_pcm_uframes_t ring = kRingFrames;
    if (snd_pcm_hw_params_any(pcm, hw) < 0 ||
        snd_pcm_hw_params_set_access(pcm, hw, SND_PCM_ACCESS_RW_INTERLEAVED) < 0 ||
        snd_pcm_hw_params_set_format(pcm, hw, SND_PCM_FORMAT_S16_LE) < 0 ||
        snd_pcm_hw_params_set_channels(pcm, hw, 2) < 0 ||
        snd_pcm_hw_params_set_rate(pcm, hw, WaveOut::kRate, 0) < 0 ||
        snd_pcm_hw_params_set_buffer_size_near(pcm, hw, &ring) < 0 || snd_pcm_hw_params(pcm, hw) < 0)
        return false;

    // Output starts with the first frame written: a track shorter than the
    // ring must still be heard, and nothing waits for the ring to fill.
    snd_pcm_sw_params_t* sw = nullptr;
    snd_pcm_sw_params_alloca(&sw);
    return snd_pcm_sw_params_current(pcm, sw) >= 0 && snd_pcm_sw_params_set_start_threshold(pcm, sw, 1) >= 0 &&
           snd_pcm_sw_params(pcm, sw) >= 0;
}

}  // namespace

std::unique_ptr<WaveOut> WaveOut::open() {
    snd_pcm_t* pcm = nullptr;
    if (snd_pcm_open(&pcm, "default", SND_PCM_STREAM_PLAYBACK, SND_PCM_NONBLOCK) < 0) return nullptr;
    if (!configure(pcm)) {
        snd_pcm_close(pcm);
        return nullptr;
    }
    return std::unique_ptr<WaveOut>(new WaveOut(pcm));
}

// Closing a running stream drops what is queued.
WaveOut::~WaveOut() { snd_pcm_close(m_pcm); }

bool WaveOut::prepare(WaveHeader& header) {
    if (!header.done || header.bytes % kFrameBytes != 0) return false;
    header.prepared = true;
    return true;
}

bool WaveOut::unprepare(WaveHeader& header) {
    if (!header.done) return false;
    header.prepared = false;
    return true;
}

bool WaveOut::write(WaveHeader& header) {
    if (!header.prepared || !header.done) return false;
    header.done = false;
    header.firstFrame = m_queuedFrames;
    m_queuedFrames += header.bytes / kFrameBytes;
    header.endFrame = m_queuedFrames;
    m_queue.push_back(&header);
    transfer();
    return true;
}

bool WaveOut::isDone(WaveHeader& header) {
    if (header.done) return true;
    if (std::chrono::steady_clock::now() < m_nextCheck) return false;
    transfer();
    markPlayed();
    return header.done;
}

// The stream is not prepared again: with the pulse plugin that would mean a
// new server stream, and a reset is followed by closing.
void WaveOut::reset() {
    snd_pcm_drop(m_pcm);
    for (WaveHeader* header : m_queue) header->done = true;
    m_queue.clear();
    m_acceptedFrames = m_queuedFrames;
    m_nextCheck = {};
}

// ALSA's own drain, not the played-frame count, decides when the device has
// played everything: the pulse plugin's drain asks the server, which also
// plays what its stream holds back to prebuffer after an underrun. It waits
// in blocking mode, where every device waits.
void WaveOut::drain() {
    snd_pcm_nonblock(m_pcm, 0);
    snd_pcm_drain(m_pcm);
    for (WaveHeader* header : m_queue) header->done = true;
    m_queue.clear();
    m_nextCheck = {};
}

// Hands ALSA as much of the queued, not yet accepted samples as it takes
// without waiting; what is left is tried again a millisecond later.
void WaveOut::transfer() {
    transferAvailable();
    if (m_acceptedFrames < m_queuedFrames)
        m_nextCheck = std::min(m_nextCheck, std::chrono::steady_clock::now() + std::chrono::milliseconds(1));
}

void WaveOut::transferAvailable() {
    for (WaveHeader* header : m_queue) {
        while (m_acceptedFrames < header->endFrame) {
            const int64_t from = m_acceptedFrames - header->firstFrame;
            const snd_pcm_sframes_t n = snd_pcm_writei(m_pcm, header->data + from * 2,
                                                       snd_pcm_uframes_t(header->endFrame - m_acceptedFrames));
            if (n == -EAGAIN) return;
            if (n < 0) {
                if (!recover(int(n))) {
                    // The device is gone for good: count everything queued
                    // as played, so that playback runs to its end instead
                    // of waiting for a device that will never take it.
                    m_acceptedFrames = m_queuedFrames;
                    return;
                }
                // After an underrun the samples go on at once; after a
                // suspend the next call tries again.
                if (n != -EPIPE) return;
                continue;
            }
            m_acceptedFrames += n;
        }
    }
}

// aplay's recovery: prepare again after an underrun; after a suspend resume,
// or prepare when the device cannot resume. A resume that is not ready yet
// is retried on the next call instead of sleeping here. False when the error
// is of another kind and the device cannot be used any more.
bool WaveOut::recover(int error) {
    if (error == -EPIPE) return snd_pcm_prepare(m_pcm) >= 0;
    if (error == -ESTRPIPE) {
        const int res = snd_pcm_resume(m_pcm);
        if (res == -EAGAIN || res >= 0) return true;
        return snd_pcm_prepare(m_pcm) >= 0;
    }
    return false;
}

// How many of the accepted frames have been played. The delay, not the free
// room in the ring, tells it: the pulse plugin's idea of free room does not
// follow playback. An underrun means everything accepted has been played
// (the delay the pulse plugin reports then is stale), and so does a stream
// that is stopped.
int64_t WaveOut::playedFrames() {
    snd_pcm_state_t state = snd_pcm_state(m_pcm);
    if (state == SND_PCM_STATE_SUSPENDED) {
        recover(-ESTRPIPE);
        state = snd_pcm_state(m_pcm);
    }
    if (state != SND_PCM_STATE_RUNNING && state != SND_PCM_STATE_PREPARED && state != SND_PCM_STATE_DRAINING)
        return m_acceptedFrames;
    snd_pcm_sframes_t delay = 0;
    if (snd_pcm_delay(m_pcm, &delay) < 0) return m_acceptedFrames;
    return m_acceptedFrames - std::max<snd_pcm_sframes_t>(delay, 0);
}

void WaveOut::markPlayed() {
    const int64_t played = playedFrames();
    while (!m_queue.empty() && m_queue.front()->endFrame <= played) {
        m_queue.front()->done = true;
        m_queue.pop_front();
    }
    scheduleNextCheck(played);
}

// The oldest queued header cannot be done before the frames ahead of its
// end have played at the stream's rate, so there is no need to ask the
// device again before then; the playback worker sleeps until that time.
void WaveOut::scheduleNextCheck(int64_t played) {
    const int64_t ahead = m_queue.empty() ? 0 : m_queue.front()->endFrame - played;
    m_nextCheck = std::chrono::steady_clock::now() + std::chrono::microseconds(ahead * 1000000 / kRate);
    if (m_acceptedFrames < m_queuedFrames)
        m_nextCheck = std::min(m_nextCheck, std::chrono::steady_clock::now() + std::chrono::milliseconds(1));
}

}  // namespace welvox
