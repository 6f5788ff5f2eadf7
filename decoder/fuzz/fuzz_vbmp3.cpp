// libFuzzer harness for the decoder library: any bytes named as an MP3 file
// are either refused by vbmp3_open or decoded to the end into a WAV file
// whose data holds exactly the frames vbmp3_getPlaySamples reports. The
// first input byte, when odd, stops the decode at its first progress report
// instead, which must leave the library ready for the next file.
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdint>
#include <string>
#include <thread>

#include "vbmp3.h"

namespace {

const std::string& outputPath() {
    static const std::string path = "/dev/shm/sonvelle-fuzz-" + std::to_string(getpid()) + ".wav";
    return path;
}

constexpr off_t kWavHeaderBytes = 44;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 1) return 0;
    static const bool ready = (vbmp3_init(), true);
    (void)ready;
    const bool stopEarly = data[0] & 1;

    const int fd = memfd_create("fuzz.mp3", 0);
    if (fd < 0) return 0;
    if (write(fd, data + 1, size - 1) != ssize_t(size - 1)) {
        close(fd);
        return 0;
    }
    const std::string input = "/proc/self/fd/" + std::to_string(fd);
    VBMP3_INFORMATION info{};
    bool decoded = false;
    int32_t frames = 0;
    if (vbmp3_open(input.c_str(), &info) == 1 && vbmp3_decodeWave(outputPath().c_str()) == 1) {
        int32_t position = 0;
        while (vbmp3_getState(&position) != 0 && !stopEarly) std::this_thread::yield();
        decoded = !stopEarly;
        frames = vbmp3_getPlaySamples();
    }
    vbmp3_close();
    if (decoded) {
        struct stat written{};
        if (stat(outputPath().c_str(), &written) != 0) __builtin_trap();
        if (written.st_size != 0 && written.st_size != kWavHeaderBytes + off_t(frames) * 4) __builtin_trap();
    }
    close(fd);
    unlink(outputPath().c_str());
    return 0;
}
