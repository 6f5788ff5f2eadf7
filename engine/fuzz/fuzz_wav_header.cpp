// libFuzzer harness for the WAV header check: any byte string must give a
// header the check accepts or nothing, and never read out of bounds.
#include <cstddef>
#include <cstdint>

#include "wav_header.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const size_t n = size < welvox::kMaxHeaderBytes ? size : welvox::kMaxHeaderBytes;
    if (const auto info = welvox::parseWavHeader({data, n})) {
        if (size_t(info->dataOffset()) > n) __builtin_trap();
    }
    return 0;
}
