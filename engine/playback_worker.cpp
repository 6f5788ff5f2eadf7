#include "playback_worker.h"

#include <algorithm>
#include <climits>

#include "render.h"

namespace welvox {

PlaybackWorker::PlaybackWorker(PlaybackState& state, std::unique_ptr<WaveOut> out, int32_t start,
                               PlaybackCallback callback)
    : m_state(state), m_out(std::move(out)), m_callback(callback), m_position(start) {}

void PlaybackWorker::run() {
    for (;;) {
        const int32_t state = m_state.load();
        if (state == kStopped) return finish(-1, false);
        if (state == kDraining) {
            // The buffer queued last is done once everything has been heard.
            const int last = (m_next + kBufferCount - 1) % kBufferCount;
            if (m_out->isDone(m_headers[last]) && m_state.advance(kDraining, kStopped)) return finish(-1, true);
            m_state.waitForRequest(kDraining, m_out->nextCheck());
            continue;
        }
        if (state >= kParameters && state <= kSeeking && !takeRequest()) return finish(-2, false);
        if (!m_out->isDone(m_headers[m_next])) {
            m_state.waitForRequest(kPlaying, m_out->nextCheck());
            continue;
        }
        if (!queueNextBlock()) return finish(-2, false);
    }
}

// Acts on a start, seek or parameter change. False when the track's file
// cannot be opened.
bool PlaybackWorker::takeRequest() {
    std::optional<PlaybackState::Request> request = m_state.take();
    if (!request) return true;  // a stop overtook it; the loop sees that next
    if (request->state == kSeeking) {
        m_file.close();
        m_position = request->seekPosition;
    }
    if (request->state != kParameters) {
        m_file = FileHandle::openForReading(request->record.record().path);
        if (!m_file.isOpen()) return false;
    }
    m_active = request->record;
    return true;
}

// Renders the block at the play position into the next free buffer and
// queues it. False when the file cannot be read there: playing on would
// mean playing samples that are not the track's.
bool PlaybackWorker::queueNextBlock() {
    WaveHeader& header = m_headers[m_next];
    int16_t* buffer = m_buffers[m_next].data();
    m_out->unprepare(header);
    const std::optional<int32_t> remaining =
        renderBlock(m_active.record(), m_file, buffer, kBlockSamples, m_position);
    if (!remaining) return false;
    int32_t count = *remaining;
    if (count > kBlockSamples)
        count = kBlockSamples;
    else
        m_state.advance(kPlaying, kDraining);
    if (count <= 0) return true;  // at or past the end: nothing to queue

    header.data = buffer;
    header.bytes = uint32_t(count) * 2;
    m_out->prepare(header);
    m_out->write(header);
    m_next = (m_next + 1) % kBufferCount;
    m_position += kBlockSamples;
    // Twice the sample position, held below the 32-bit limit that a track
    // ending within a block of it would pass.
    report(int32_t(std::min<int64_t>(2 * int64_t(m_position), INT32_MAX)));
    return true;
}

// Ends output, releases the file and the headers, reports the end of this
// playback and then closes the device. A stop or a failure cuts the output
// at once; a playback that ran to its end lets the device play out what it
// still holds first, because the count of played frames is the device's
// estimate, which can run ahead of what was heard (the pulse plugin's delay
// is interpolated, and after an underrun its new stream prebuffers), and
// cutting then would lose the track's last milliseconds. Closing goes
// through the sound server and can take tens of milliseconds, and nothing is
// heard any more once the output has ended, so the report does not wait for
// it; a following Play does (see Play).
void PlaybackWorker::finish(int32_t report, bool playedToTheEnd) {
    if (playedToTheEnd)
        m_out->drain();
    else
        m_out->reset();
    for (WaveHeader& header : m_headers) m_out->unprepare(header);
    m_file.close();
    this->report(report);
    m_out.reset();
}

void PlaybackWorker::report(int32_t position) const {
    if (m_callback) m_callback(position);
}

}  // namespace welvox
