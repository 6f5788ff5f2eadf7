// FileSave: renders a track's edits into its own file or into a copy,
// rewrites the header's size fields and folds the record back so that it
// describes the new file.
//
// The new file is always written complete under a temporary name and then
// renamed into place, so a save that fails — unreadable source, full disk —
// leaves the track's file and any earlier file at the destination exactly as
// they were. The bytes that land are those an in-place rewrite or a plain
// copy would produce: in place the file never gets shorter (bytes of the old
// data beyond a shortened data chunk, and any chunks after it, are kept).
#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <vector>

#include "file_handle.h"
#include "render.h"
#include "replacement_file.h"
#include "welvox.h"

namespace welvox {
namespace {

constexpr int32_t kBlockSamples = 32768;
constexpr int kMaxDataOffset = 4096;

void putLe32(uint8_t* p, int32_t value) {
    const auto v = uint32_t(value);
    for (int i = 0; i < 4; ++i) p[i] = uint8_t(v >> (8 * i));
}

// True when destination names the very file that source has open, under
// whatever spelling: the same path, "./a.wav", a symbolic or a hard link.
bool namesSameFile(const char* destination, const FileHandle& source) {
    struct stat d {}, s {};
    return ::stat(destination, &d) == 0 && ::fstat(source.fd(), &s) == 0 && d.st_dev == s.st_dev &&
           d.st_ino == s.st_ino;
}

// Copies bytes [from, to) of source to the end of out; false on a short
// read or write.
bool copyRange(const FileHandle& source, const FileHandle& out, int64_t from, int64_t to, int16_t* buffer,
               size_t bufferBytes) {
    while (from < to) {
        const size_t chunk = size_t(std::min<int64_t>(int64_t(bufferBytes), to - from));
        const ssize_t got = source.readAt(buffer, chunk, from);
        if (got <= 0 || out.write(buffer, size_t(got)) != size_t(got)) return false;
        from += got;
    }
    return true;
}

// False only when the file system says there is no room; one that cannot
// reserve space (no fallocate support) simply grows the file as it is written.
bool reserve(const FileHandle& file, int64_t length) {
    if (::fallocate(file.fd(), 0, 0, length) == 0) return true;
    return errno != ENOSPC && errno != EFBIG && errno != EDQUOT;
}

void foldBack(TrackRecord& r, int32_t newData, int32_t newRiff) {
    r.postMuteBytes += r.muteAdjustBytes;
    r.origPostMutePoint = r.postMutePoint;
    r.riffBytes = newRiff;
    r.dataBytes = newData;
    r.muteAdjustBytes = 0;
    r.preDigitalMute = r.postDigitalMute = r.fadeInEnd = r.fadeOutStart = -1;
    r.peakValue = int32_t(int64_t(r.levelPercent) * r.peakValue / 100);
    r.levelPercent = 100;
    if (r.peakOffset > newData) r.peakOffset = newData;
}

int32_t save(const char* destination, TrackRecord& record, int32_t mode, ProgressCallback callback) {
    const TrackRecord edits = record;
    if (!edits.path) return ENGINE_OPEN_FAILED;
    const FileHandle source = FileHandle::openForUpdate(edits.path);
    if (!source.isOpen()) return ENGINE_OPEN_FAILED;

    const bool asCopy = int16_t(mode) == 1 && destination && std::strcmp(destination, edits.path) != 0 &&
                        !namesSameFile(destination, source);

    const int64_t newData = int64_t(edits.dataBytes) + edits.muteAdjustBytes;
    const int dataOffset = edits.dataOffset;
    if (dataOffset < 12 || dataOffset > kMaxDataOffset || newData < 0) return ENGINE_BAD_FORMAT;
    const int64_t sourceLength = source.size();
    const int64_t copyRiff = dataOffset + newData - 8;
    const int64_t newRiff = asCopy ? copyRiff : std::max<int64_t>(edits.riffBytes, copyRiff);
    if (newRiff > INT32_MAX || sourceLength < 0) return ENGINE_BAD_FORMAT;

    std::vector<uint8_t> header(static_cast<size_t>(dataOffset));
    if (source.readAt(header.data(), header.size(), 0) != ssize_t(header.size())) return ENGINE_OPEN_FAILED;
    putLe32(&header[4], int32_t(newRiff));
    putLe32(&header[size_t(dataOffset) - 4], int32_t(newData));

    auto output = ReplacementFile::create(asCopy ? destination : edits.path);
    if (!output) return ENGINE_OPEN_FAILED;
    const FileHandle& out = output->file();
    // Reserving the whole length first finds a full disk before anything is
    // written, and spares the file system from growing the file block by block.
    const int64_t finalLength = asCopy ? dataOffset + newData : std::max(sourceLength, dataOffset + newData);
    if (!reserve(out, finalLength)) return ENGINE_BAD_FORMAT;
    if (out.write(header.data(), header.size()) != header.size()) return ENGINE_BAD_FORMAT;

    std::vector<int16_t> block(kBlockSamples);  // the one 64 KiB buffer
    int32_t position = 0;
    int64_t bytesWritten = 0;
    for (;;) {
        const auto remaining = renderBlock(edits, source, block.data(), kBlockSamples, position);
        if (!remaining) return ENGINE_OPEN_FAILED;
        const bool last = *remaining <= kBlockSamples;
        const size_t bytes = size_t(2 * std::clamp<int32_t>(*remaining, 0, kBlockSamples));
        if (out.write(block.data(), bytes) != bytes) return ENGINE_BAD_FORMAT;
        if (last) break;
        bytesWritten += int64_t(bytes);
        if (callback) {
            const int64_t perCent = newData / 100;
            callback(perCent > 0 ? int32_t(std::min<int64_t>(99, bytesWritten / perCent)) : 0);
        }
        position += kBlockSamples;
    }

    // In place the file keeps its length: what followed the new end of the
    // data stays where it was.
    if (!asCopy) {
        const int64_t dataEnd = dataOffset + 2 * (newData / 2);
        if (!copyRange(source, out, dataEnd, sourceLength, block.data(), block.size() * 2))
            return ENGINE_BAD_FORMAT;
    }
    if (!output->commit(/*durable=*/!asCopy)) return ENGINE_OPEN_FAILED;

    foldBack(record, int32_t(newData), int32_t(newRiff));
    return ENGINE_SUCCESS;
}

}  // namespace
}  // namespace welvox

extern "C" WELVOX_EXPORT int32_t FileSave(const char* destination, TrackRecord* record, int32_t mode,
                                          ProgressCallback callback) {
    if (!record) return ENGINE_OPEN_FAILED;
    return welvox::save(destination, *record, mode, callback);
}
