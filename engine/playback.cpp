// Play and PlayControll: the exported face of playback. Play opens the wave
// output and starts a worker thread; PlayControll writes requests into the
// shared state that the worker acts on.
#include <condition_variable>
#include <functional>
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
// Workers run detached; `running` tells Play whether the last one is still
// there (it closes its device after its final report).
struct Player {
    PlaybackState state;
    std::mutex starting;  // serialises Play calls
    std::mutex lock;      // guards running
    std::condition_variable ended;
    bool running = false;
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

void runWorker(Player& p, std::unique_ptr<PlaybackWorker> worker) {
    t_onWorker = true;
    worker->run();
    std::lock_guard guard(p.lock);
    p.running = false;
    p.ended.notify_all();
}

// Waits until the last worker has closed its device, which it does right
// after its final report. If the caller did not wait for that report, the
// worker is stopped here first.
void stopLastWorker(Player& p) {
    std::unique_lock guard(p.lock);
    if (!p.running) return;
    p.state.requestStop();
    p.ended.wait(guard, [&] { return !p.running; });
}

}  // namespace

int32_t currentPlayState() { return player().state.load(); }

}  // namespace welvox

using namespace welvox;

int32_t Play(const TrackRecord* record, int32_t start, PlaybackCallback callback) {
    if (!record || t_onWorker) return ENGINE_OPEN_FAILED;
    Player& p = player();
    std::lock_guard guard(p.starting);
    stopLastWorker(p);
    std::unique_ptr<WaveOut> out = WaveOut::open();
    if (!out) return ENGINE_OPEN_FAILED;
    p.state.start(*record);
    try {
        auto worker = std::make_unique<PlaybackWorker>(p.state, std::move(out), frameSample(start), callback);
        std::lock_guard running(p.lock);
        std::thread(runWorker, std::ref(p), std::move(worker)).detach();
        p.running = true;
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
