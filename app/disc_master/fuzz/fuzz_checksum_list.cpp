// libFuzzer harness for the reader of md5sum lists: any bytes give lines of
// 32 lower-case hex digits and a name, and a count of the other lines, no
// more of both than the bytes have lines.
#include <cstddef>
#include <cstdint>

#include <algorithm>

#include "checksum_list.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArrayView bytes(data, qsizetype(size));
    const ChecksumList list = ReadChecksumList(bytes);
    if (list.lines.size() + list.malformedLines > bytes.count('\n') + 1) __builtin_trap();
    for (const ChecksumLine& line : list.lines) {
        if (line.md5.size() != 32 || line.name.isEmpty() ||
            !std::all_of(line.md5.begin(), line.md5.end(),
                         [](char c) { return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f'); }))
            __builtin_trap();
    }
    return 0;
}
