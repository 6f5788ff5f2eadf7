// libFuzzer harness for the byte parsers of the conversion route that read
// what a file declares of its recording: the MP4 movie box's timing and the
// iTunSMPB tag's value. Any bytes give either nothing or a recording that
// lies within the media.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "itunes_gapless.h"
#include "mp4_timing.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (const auto timing = parseMp4Timing({data, size})) {
        if (const auto recording = declaredRecording(*timing)) {
            if (recording->delay < 0 || recording->length <= 0 ||
                uint64_t(recording->delay + recording->length) > timing->mediaDuration)
                __builtin_trap();
        }
    }
    const auto gapless = parseItunSmpb(std::string_view(reinterpret_cast<const char*>(data), size));
    if (gapless && gapless->length <= 0) __builtin_trap();
    return 0;
}
