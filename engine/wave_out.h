// The wave output the playback worker queues its buffers to: ALSA's
// "default" PCM, opened for 44.1 kHz, 16-bit little-endian, stereo.
//
// It keeps the buffer-header model of a queued wave output: the caller owns
// the sample buffers and one WaveHeader per buffer, prepares a header, writes
// it, polls it until it is done (its samples have been heard, not merely
// handed to ALSA) and unprepares it before touching the buffer again. Writes
// never block: what ALSA cannot take at once is handed over on later calls.
//
// Not thread-safe: one thread at a time uses a WaveOut and its headers.
#pragma once

#include <alsa/asoundlib.h>
#include <chrono>
#include <cstdint>
#include <deque>
#include <memory>

namespace welvox {

struct WaveHeader {
    const int16_t* data = nullptr;  // interleaved stereo samples, owned by the caller
    uint32_t bytes = 0;             // length of data; a multiple of one frame (4 bytes)
    bool prepared = false;
    bool done = true;               // not queued: the buffer may be refilled

private:
    friend class WaveOut;
    int64_t firstFrame = 0;  // stream position of the header's first and
    int64_t endFrame = 0;    // one-past-last frame while it is queued
};

class WaveOut {
public:
    // Opens the first output device. Empty when there is none or it refuses
    // the format.
    static std::unique_ptr<WaveOut> open();
    ~WaveOut();  // stops output at once and closes the device
    WaveOut(const WaveOut&) = delete;
    WaveOut& operator=(const WaveOut&) = delete;

    // Rate and frame size of the stream; the playback buffers follow them.
    static constexpr unsigned kRate = 44100;
    static constexpr unsigned kFrameBytes = 4;

    // False when the header is queued (not done) or its length is not whole
    // frames.
    bool prepare(WaveHeader& header);
    // Undoes prepare; false while the header is still queued.
    bool unprepare(WaveHeader& header);
    // Queues a prepared, done header behind the ones written before it and
    // clears its done flag. False when the header is not prepared or queued
    // already; a device error is not reported here, it is recovered from as
    // aplay does (prepare after an underrun, resume after a suspend).
    bool write(WaveHeader& header);
    // Hands over what ALSA could not take yet, then tells whether the
    // header's samples have been played. The device is asked only from
    // nextCheck() on; before that the answer is the last one.
    bool isDone(WaveHeader& header);
    // When the oldest queued header can be done at the earliest, as the
    // device's delay last told; soon when ALSA still has samples to take.
    std::chrono::steady_clock::time_point nextCheck() const { return m_nextCheck; }
    // Stops output at once, discards everything queued and marks every
    // queued header done. What remains to do with the device is closing it.
    void reset();
    // Lets the device play everything written, waiting until it has, then
    // marks every queued header done. What remains to do is closing it.
    void drain();

private:
    explicit WaveOut(snd_pcm_t* pcm) : m_pcm(pcm) {}

    void transfer();
    void transferAvailable();
    void markPlayed();
    void scheduleNextCheck(int64_t played);
    int64_t playedFrames();
    bool recover(int error);

    snd_pcm_t* m_pcm;
    std::deque<WaveHeader*> m_queue;  // written and not yet done, oldest first
    int64_t m_queuedFrames = 0;       // stream position after the last written header
    int64_t m_acceptedFrames = 0;     // how much of that ALSA has taken
    std::chrono::steady_clock::time_point m_nextCheck;  // when to ask the device again
};

}  // namespace welvox
