// Play and PlayControll: the exported face of playback. Play opens the wave
// output and starts a worker thread; PlayControll writes requests into the
// shared state that the worker polls.
#include <memory>
#include <mutex>
#include <thread>

#include "playback_state.h"
#include "playback_worker.h"
#include "wave_out.h"
#include "welvox.h"

namespace welvox {
namespace {

// Engine-wide playback state. Created on first use and never destroyed, so
// that a worker still running while the process exits finds it intact.
struct Player {
    PlaybackState state;
    std::mutex starting;  // serialises Play calls
    std::thread worker;   // the current or last worker
};

Player& player() {
    static Player* instance = new Player;
    return *instance;
}

// True on a worker thread, where Play would wait for itself.
thread_local bool t_onWorker = false;

// A byte offset as a sample position at the start of its frame; an odd
// frame position would swap the channels, a negative one read the header.
int32_t frameSample(int32_t byteOffset) { return byteOffset < 0 ? 0 : byteOffset / 4 * 2; }

void runWorker(std::unique_ptr<PlaybackWorker> worker) {
    t_onWorker = true;
    worker->run();
}

}  // namespace
}  // namespace welvox

using namespace welvox;

int32_t Play(const TrackRecord* record, int32_t start, PlaybackCallback callback) {
    if (!record || t_onWorker) return ENGINE_OPEN_FAILED;
    Player& p = player();
    std::lock_guard guard(p.starting);
    if (p.worker.joinable()) {
        // Normally the last worker has already reported its end and is gone;
        // if the caller did not wait for that, stop it first.
        p.state.requestStop();
        p.worker.join();
    }
    std::unique_ptr<WaveOut> out = WaveOut::open();
    if (!out) return ENGINE_OPEN_FAILED;
    p.state.start(*record);
    try {
        p.worker = std::thread(runWorker, std::make_unique<PlaybackWorker>(p.state, std::move(out),
                                                                           frameSample(start), callback));
    } catch (...) {
        p.state.requestStop();
        return ENGINE_OPEN_FAILED;
    }
    return ENGINE_SUCCESS;
}

int32_t PlayControll(const TrackRecord* record, int32_t position, int32_t state) {
    PlaybackState& shared = player().state;
    if (state == kStopped)
        shared.requestStop();
    else if (state == kParameters && record)
        shared.requestParameters(*record);
    else if (state == kSeeking && record)
        shared.requestSeek(*record, frameSample(position));
    return ENGINE_SUCCESS;
}
