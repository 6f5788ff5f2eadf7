// libFuzzer harness for the list-file decoder, which reads every list file
// the user opens and the crash journal at start-up: any bytes give either a
// refusal and no track, or at most 30 tracks that encode into a list file
// that decodes again to the same tracks.
#include <cstddef>
#include <cstdint>

#include "list_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString folder = QStringLiteral("/home/user/lists");
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size));
    const listfile::Decoded decoded = listfile::Decode(bytes, folder);
    if (decoded.refusal) {
        if (!decoded.tracks.isEmpty()) __builtin_trap();
        return 0;
    }
    if (decoded.tracks.size() > listfile::MaxTracks) __builtin_trap();
    const QByteArray encoded = listfile::Encode(decoded.tracks, folder);
    const listfile::Decoded again = listfile::Decode(encoded, folder);
    if (again.refusal || listfile::Encode(again.tracks, folder) != encoded) __builtin_trap();
    return 0;
}
