// libFuzzer harness for the PQ descriptor's reader and the disc it lays
// out: any bytes give a fault and no point, or a point per 64 bytes whose
// times are those of two-digit hours, minutes and seconds; the layout's
// tracks then run forward, each ending where it or a later point is.
#include <cstddef>
#include <cstdint>

#include "ddp_readers.h"
#include "image_layout.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const ddp::PqRead read = ddp::ReadPqDescriptor(QByteArrayView(data, qsizetype(size)));
    if (read.fault) {
        if (!read.points.isEmpty()) __builtin_trap();
        return 0;
    }
    if (read.points.size() * 64 != qsizetype(size)) __builtin_trap();
    for (const ddp::PqPoint& point : read.points) {
        if (point.frame < 0 || point.frame >= 100LL * 3600 * 75 || point.index < 0 || point.index > 99)
            __builtin_trap();
    }
    const ImageLayout layout = LayOut(read.points);
    for (const LaidTrack& track : layout.tracks) {
        if (track.points.isEmpty() || track.pauseStart > track.start || track.end < track.start)
            __builtin_trap();
    }
    if (layout.tracks.isEmpty() && layout.faults.isEmpty()) __builtin_trap();
    return 0;
}
