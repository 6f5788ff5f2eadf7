// libFuzzer harness for the DDPMS reader: any bytes give a fault and no
// packet, or a packet per 128 bytes with lengths, starts and offsets of at
// most their digits and a name of at most 17 characters.
#include <cstddef>
#include <cstdint>

#include "ddp_readers.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const ddp::MapRead read = ddp::ReadMap(QByteArrayView(data, qsizetype(size)));
    if (read.fault) {
        if (!read.packets.isEmpty() || read.fault->packet < 0 || read.fault->packet > qsizetype(size) / 128 + 1)
            __builtin_trap();
        return 0;
    }
    if (read.packets.size() * 128 != qsizetype(size)) __builtin_trap();
    for (const ddp::MapPacket& packet : read.packets) {
        if (packet.length < 0 || packet.length > 99999999 || packet.start < 0 || packet.start > 99999999 ||
            packet.byteOffset < 0 || packet.byteOffset > 999999999 || packet.name.size() > 17)
            __builtin_trap();
    }
    return 0;
}
