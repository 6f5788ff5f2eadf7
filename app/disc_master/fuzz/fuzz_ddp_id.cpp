// libFuzzer harness for the DDPID reader, the first file read from a
// folder the user chose: any bytes give a fault and no identity, or an
// identity of a 128-byte record whose level starts with "DDP" and whose
// fields fit their widths.
#include <cstddef>
#include <cstdint>

#include "ddp_readers.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const ddp::IdentityRead read = ddp::ReadIdentity(QByteArrayView(data, qsizetype(size)));
    if (read.fault) {
        if (!read.id.level.isEmpty()) __builtin_trap();
        return 0;
    }
    if (size != 128 || !read.id.level.startsWith("DDP") || read.id.catalog.size() > 13 ||
        read.id.masterId.size() > 48 || read.id.type.size() > 2)
        __builtin_trap();
    return 0;
}
