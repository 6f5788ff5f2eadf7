// libFuzzer harness for FileOpen on whole files. The first four bytes choose
// the peak-scan flag, the silence threshold (16 bits) and the progress report
// at which the callback cancels (0: never); the rest is the file, held in
// memory. Any result outside the engine's codes, or a record that breaks the
// invariants the program relies on, stops the run.
#include <sys/mman.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <string>

#include "welvox.h"

namespace {

int reportsLeft = 0;

int32_t cancelAtReport(int32_t) { return --reportsLeft == 0 ? ENGINE_CANCELLED : 0; }

bool analysedRecordHolds(const TrackRecord& r) {
    return r.dataBytes >= 0 && r.preMutePoint >= 0 && r.preMutePoint % 4 == 0 &&
           r.postMutePoint % 4 == 0 && r.preMutePoint <= r.postMutePoint && r.postMutePoint <= r.dataBytes &&
           r.preMuteBytes == r.preMutePoint && r.soundBytes == r.postMutePoint - r.preMutePoint &&
           r.postMuteBytes == r.dataBytes - r.postMutePoint && r.peakValue >= 0 && r.peakValue <= 32767 &&
           r.levelPercent == 100 && r.muteAdjustBytes == 0;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 4) return 0;
    const int32_t peakFlag = data[0] & 1;
    const int32_t threshold = int16_t(data[1] | data[2] << 8);
    reportsLeft = data[3] & 7;

    const int fd = memfd_create("fuzz.wav", 0);
    if (fd < 0) return 0;
    if (write(fd, data + 4, size - 4) != ssize_t(size - 4)) {
        close(fd);
        return 0;
    }
    const std::string path = "/proc/self/fd/" + std::to_string(fd);
    TrackRecord record{};
    record.title = record.path = path.c_str();
    const int32_t result = FileOpen(path.c_str(), &record, threshold, peakFlag, cancelAtReport);
    close(fd);

    if (result < ENGINE_CANCELLED || result > ENGINE_SILENCE_ONLY) __builtin_trap();
    if (result == ENGINE_SUCCESS && !analysedRecordHolds(record)) __builtin_trap();
    return 0;
}
