// libFuzzer harness for FileOpen then FileSave. The first 16 bytes choose the
// edits and the save mode; the rest is the file, written to a folder in
// memory. The edits always keep the record's invariants (level within the
// peak's headroom, removed silence within the trailing silence, fades inside
// their digital mutes), as the program's editing commands do. A successful
// save must give a file that opens again with the saved length, and saving
// that file once more without edits must leave every byte as it was.
#include <unistd.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "welvox.h"

namespace {

namespace fs = std::filesystem;

const fs::path& folder() {
    static const fs::path dir = [] {
        fs::path d = fs::path("/dev/shm") / ("sonvelle-fuzz-" + std::to_string(getpid()));
        fs::create_directories(d);
        return d;
    }();
    return dir;
}

std::vector<char> contents(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

int32_t noProgress(int32_t) { return 0; }

// A byte offset in 0 .. limit, frame aligned, picked by two input bytes.
int32_t pick(const uint8_t* b, int32_t limit) {
    if (limit <= 0) return 0;
    const int32_t frames = limit / 4 + 1;
    return int32_t((uint32_t(b[0]) << 8 | b[1]) % uint32_t(frames)) * 4;
}

void edit(TrackRecord& r, const uint8_t* e) {
    const int32_t maxLevel = r.peakValue > 0 ? 3276700 / r.peakValue : 1000;
    r.levelPercent = int32_t(e[0] | e[1] << 8) % ((maxLevel < 1000 ? maxLevel : 1000) + 1);
    if (e[2] & 1) {
        r.muteAdjustBytes = -pick(e + 3, r.postMuteBytes - (r.postMuteBytes == r.dataBytes ? 4 : 0));
    } else {
        r.muteAdjustBytes = pick(e + 3, 176400);
    }
    const int32_t length = r.dataBytes + r.muteAdjustBytes;
    if (e[2] & 2 && length >= 8) {
        r.preDigitalMute = pick(e + 5, length / 2 - 4);
        r.fadeInEnd = r.preDigitalMute + 4 + pick(e + 7, length / 2 - 4 - r.preDigitalMute);
        r.fadeInBytes = r.fadeInEnd - r.preDigitalMute;
        r.fadeInCurve = 0.1f * float(1 + e[13] % 30);
    }
    if (e[2] & 4 && length >= 8) {
        r.postDigitalMute = length - pick(e + 9, length / 2 - 4);
        r.fadeOutStart = r.postDigitalMute - 4 - pick(e + 11, r.postDigitalMute - 4 - length / 2);
        r.fadeOutBytes = r.postDigitalMute - r.fadeOutStart;
        r.fadeOutCurve = 0.1f * float(1 + e[14] % 30);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    constexpr size_t kEditBytes = 16;
    if (size < kEditBytes) return 0;
    const fs::path source = folder() / "source.wav";
    const fs::path copy = folder() / "copy.wav";
    fs::remove(copy);
    std::ofstream(source, std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char*>(data + kEditBytes), std::streamsize(size - kEditBytes));

    const std::string sourceName = source.string(), copyName = copy.string();
    TrackRecord record{};
    record.title = record.path = sourceName.c_str();
    if (FileOpen(sourceName.c_str(), &record, 80, data[15] & 1, noProgress) != ENGINE_SUCCESS) return 0;

    edit(record, data);
    const bool asCopy = data[15] & 2;
    const int32_t saved = FileSave(copyName.c_str(), &record, asCopy ? 1 : 0, noProgress);
    if (saved < ENGINE_CANCELLED || saved > ENGINE_SILENCE_ONLY) __builtin_trap();
    if (saved != ENGINE_SUCCESS) return 0;

    const std::string& result = asCopy ? copyName : sourceName;
    record.path = result.c_str();
    TrackRecord reopened{};
    reopened.title = reopened.path = result.c_str();
    const int32_t again = FileOpen(result.c_str(), &reopened, 80, 0, noProgress);
    if (again != ENGINE_SUCCESS && again != ENGINE_SILENCE_ONLY) __builtin_trap();
    if (again == ENGINE_SUCCESS && reopened.dataBytes != record.dataBytes) __builtin_trap();

    const std::vector<char> before = contents(result);
    if (FileSave(result.c_str(), &record, 0, noProgress) != ENGINE_SUCCESS) __builtin_trap();
    if (contents(result) != before) __builtin_trap();
    return 0;
}
