// The playback worker: one per playback, on its own thread. It renders the
// track block by block with renderBlock, keeps three buffers queued on the
// wave output, reports each queued block through the callback and acts on
// the requests it finds in the shared state word. Between blocks it sleeps
// until the buffer it waits for can be done or a request wakes it: waking
// every millisecond to look would cost more CPU than the playback itself.
#pragma once

#include <array>
#include <cstdint>
#include <memory>

#include "file_handle.h"
#include "playback_state.h"
#include "record_copy.h"
#include "wave_out.h"

namespace welvox {

class PlaybackWorker {
public:
    static constexpr int32_t kBlockSamples = 8192;
    static constexpr int kBufferCount = 3;

    // Takes over the open device; playback begins at sample position start.
    PlaybackWorker(PlaybackState& state, std::unique_ptr<WaveOut> out, int32_t start, PlaybackCallback callback);

    // The loop. Returns after the final callback: -1 when playback ended or
    // was stopped, -2 when the track's file could not be opened or read.
    void run();

private:
    bool takeRequest();
    bool queueNextBlock();
    void finish(int32_t report, bool playedToTheEnd);
    void report(int32_t position) const;

    PlaybackState& m_state;
    std::unique_ptr<WaveOut> m_out;
    PlaybackCallback m_callback;
    FileHandle m_file;
    RecordCopy m_active;
    int32_t m_position;  // sample position of the next block to render
    int m_next = 0;      // index of the next buffer to fill
    std::array<std::array<int16_t, kBlockSamples>, kBufferCount> m_buffers{};
    std::array<WaveHeader, kBufferCount> m_headers{};
};

}  // namespace welvox
