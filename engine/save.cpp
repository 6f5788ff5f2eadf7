// FileSave: renders a track's edits into its own file or into a copy,
// rewrites the header's size fields and folds the record back so that it
// describes the new file.
//
// The new file is normally written complete beside the target and then put in
// its place (see SaveOutput), so a save that fails — unreadable source, full
// disk, a source cut short — leaves the track's file and any earlier file at
// the destination exactly as they were. The bytes that land are those an
// in-place rewrite or a plain copy would produce: in place the file never
// gets shorter (bytes of the old data beyond a shortened data chunk, and any
// chunks after it, are kept).
#include <algorithm>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <variant>
#include <vector>

#include "chunked_writer.h"
#include "file_handle.h"
#include "render.h"
#include "save_output.h"
#include "welvox.h"

namespace welvox {
namespace {

constexpr int32_t kSaveBlockSamples = 32768;
constexpr int kMaxDataOffset = 4096;

void putLe32(uint8_t* p, int32_t value) {
    const auto v = uint32_t(value);
    for (int i = 0; i < 4; ++i) p[i] = uint8_t(v >> (8 * i));
}

uint32_t readFieldLe32(const uint8_t* p) {
    return uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24;
}

// True when destination and source are one directory entry however spelled:
// "./", "..", or a symbolic link to the source. Saving onto it is saving in
// place. A second hard link is an entry of its own: a copy replaces that name
// and leaves the source's alone.
bool namesSameEntry(const char* destination, const char* source) {
    char resolvedDestination[PATH_MAX], resolvedSource[PATH_MAX];
    return ::realpath(destination, resolvedDestination) && ::realpath(source, resolvedSource) &&
           std::strcmp(resolvedDestination, resolvedSource) == 0;
}

// Copies bytes [from, to) of source to the writer; false on a short read or
// write.
bool copyRange(const FileHandle& source, ChunkedWriter& out, int64_t from, int64_t to) {
    while (from < to) {
        const size_t chunk = size_t(std::min<int64_t>(int64_t(out.spaceBytes()), to - from));
        const ssize_t got = source.readAt(out.space(), chunk, from);
        if (got <= 0 || !out.add(size_t(got))) return false;
        from += got;
    }
    return true;
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
    const bool asCopy = int16_t(mode) == 1 && destination && std::strcmp(destination, edits.path) != 0 &&
                        !namesSameEntry(destination, edits.path);
    // A copy only reads its source; in place the source is the file saved.
    const FileHandle source =
        asCopy ? FileHandle::openForReading(edits.path) : FileHandle::openForUpdate(edits.path);
    if (!source.isOpen()) return ENGINE_OPEN_FAILED;

    const int64_t newData = int64_t(edits.dataBytes) + edits.muteAdjustBytes;
    const int dataOffset = edits.dataOffset;
    if (dataOffset < 12 || dataOffset > kMaxDataOffset || edits.dataBytes < 0 || newData < 0)
        return ENGINE_BAD_FORMAT;
    // Every sample the record counts must still be in the file: one cut short
    // since it was analysed cannot be read, and is not saved with silence in
    // place of the missing audio.
    const int64_t neededLength = dataOffset + int64_t(edits.dataBytes);
    const int64_t sourceLength = source.size();
    if (sourceLength < neededLength) return ENGINE_OPEN_FAILED;

    std::vector<uint8_t> header(static_cast<size_t>(dataOffset));
    if (source.readAt(header.data(), header.size(), 0) != ssize_t(header.size())) return ENGINE_OPEN_FAILED;
    // In place the RIFF size never shrinks: neither below the record's nor
    // below the file's own, which may count chunks after the data.
    const int64_t copyRiff = dataOffset + newData - 8;
    const int64_t fileRiff = readFieldLe32(&header[4]);
    const int64_t newRiff =
        asCopy ? copyRiff
               : std::max({int64_t(edits.riffBytes), copyRiff, fileRiff <= INT32_MAX ? fileRiff : int64_t(0)});
    if (newRiff > INT32_MAX) return ENGINE_BAD_FORMAT;
    putLe32(&header[4], int32_t(newRiff));
    putLe32(&header[size_t(dataOffset) - 4], int32_t(newData));

    const int64_t finalLength = asCopy ? dataOffset + newData : std::max(sourceLength, dataOffset + newData);
    auto opened = SaveOutput::open(asCopy ? destination : edits.path, source, !asCopy, finalLength);
    if (const auto* failure = std::get_if<int32_t>(&opened)) return *failure;
    SaveOutput& output = std::get<SaveOutput>(opened);
    ChunkedWriter out(output.file(), size_t(dataOffset));
    if (!out.append(header.data(), header.size())) return ENGINE_BAD_FORMAT;

    int32_t position = 0;
    int64_t bytesWritten = 0;
    for (;;) {
        auto* block = reinterpret_cast<int16_t*>(out.space());
        const auto remaining = renderBlock(edits, source, block, kSaveBlockSamples, position);
        if (!remaining) return ENGINE_OPEN_FAILED;
        const bool last = *remaining <= kSaveBlockSamples;
        const size_t bytes = size_t(2 * std::clamp<int32_t>(*remaining, 0, kSaveBlockSamples));
        if (!out.add(bytes)) return ENGINE_BAD_FORMAT;
        if (last) break;
        bytesWritten += int64_t(bytes);
        if (callback) {
            const int64_t perCent = newData / 100;
            callback(perCent > 0 ? int32_t(std::min<int64_t>(99, bytesWritten / perCent)) : 0);
        }
        position += kSaveBlockSamples;
    }

    // In place the file keeps its length: what followed the new end of the
    // data stays where it was (a rewritten file still holds it).
    if (!asCopy && !output.rewritesTarget() &&
        !copyRange(source, out, dataOffset + 2 * (newData / 2), sourceLength))
        return ENGINE_BAD_FORMAT;
    if (!out.flush()) return ENGINE_BAD_FORMAT;
    // A source cut while it was read gave silence for the missing samples.
    if (source.size() < neededLength) return ENGINE_OPEN_FAILED;
    if (!output.finish(finalLength, /*durable=*/!asCopy)) return ENGINE_OPEN_FAILED;

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
