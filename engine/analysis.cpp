// FileOpen: validates a WAV file and analyses it into a TrackRecord — its
// peak, and where the sound begins and ends by a fixed threshold.
#include <algorithm>
#include <bit>
#include <climits>
#include <cstring>
#include <vector>

#include "file_handle.h"
#include "sample_scan.h"
#include "wav_header.h"
#include "welvox.h"

static_assert(std::endian::native == std::endian::little, "samples are read as host int16");

namespace welvox {
namespace {

constexpr size_t kBlockSamples = 32768;
constexpr size_t kBlockBytes = kBlockSamples * 2;

struct Analysis {
    int32_t dataBytes = 0;
    int32_t dataOffset = 0;
    int32_t peakValue = 0;
    int32_t peakOffset = 0;
    int32_t startOffset = 0;
    int32_t endOffset = 0;
};

// The data size the engine works with. The stored field is trusted when the
// file holds that many bytes; a field that promises more than the file holds
// (a recording cut short, or 0xFFFFFFFF from a streaming recorder) counts only
// the whole frames present. Sizes beyond the record's 32-bit range are refused.
std::optional<int32_t> usableDataBytes(uint32_t field, int64_t fileSize, int dataOffset) {
    const int64_t present = std::max<int64_t>(0, fileSize - dataOffset);
    int64_t bytes = field;
    if (bytes > present) bytes = present & ~int64_t(3);
    if (bytes + dataOffset - 8 > INT32_MAX) return std::nullopt;
    return int32_t(bytes);
}

class Analyser {
public:
    Analyser(const FileHandle& file, int32_t dataOffset, int32_t dataBytes, int16_t threshold)
        : m_file(file), m_dataOffset(dataOffset), m_sampleCount(dataBytes / 2), m_dataBytes(dataBytes),
          m_threshold(threshold), m_block(kBlockSamples) {}

    // Returns 1002, or 1001 when cancelled, 1003 when a read fails.
    int32_t scanPeak(ProgressCallback callback, int32_t& peakValue, int32_t& peakOffset) {
        int32_t max = 0;
        int64_t peakBlock = 0;  // the last block whose largest magnitude reached the maximum
        int64_t base = 0;
        int64_t scanned = 0;
        const int64_t fileSize = m_file.size();
        for (;;) {
            const ssize_t got = m_file.readAt(m_block.data(), kBlockBytes, m_dataOffset + 2 * base);
            if (got < 0) return ENGINE_OPEN_FAILED;
            const int64_t inData = std::clamp<int64_t>(m_sampleCount - base, 0, got / 2);
            const int32_t blockMax = largestMagnitude(m_block.data(), size_t(inData));
            if (inData > 0 && blockMax >= max) {
                max = blockMax;
                peakBlock = base;
            }
            const int64_t perCent = m_dataBytes / 100;
            const int32_t percent = perCent > 0 ? int32_t(std::min<int64_t>(99, scanned / perCent)) : 0;
            const int32_t answer = callback ? callback(percent) : 0;
            base += kBlockSamples;
            scanned += kBlockBytes;
            if (answer == ENGINE_CANCELLED) return ENGINE_CANCELLED;
            if (size_t(got) < kBlockBytes || m_dataOffset + 2 * base >= fileSize) break;
        }
        // Ties move the peak to the later sample, so it is the last sample of
        // that magnitude in the last block that reached it: only that one
        // block is searched for the position, once.
        const int64_t count = std::min<int64_t>(kBlockSamples, m_sampleCount - peakBlock);
        if (!readSamples(peakBlock, count)) return ENGINE_OPEN_FAILED;
        const int64_t peakIndex = peakBlock + lastIndexOfMagnitude(m_block.data(), size_t(count), max);
        peakOffset = int32_t(4 * (peakIndex / 2));
        peakValue = std::min(max, 32767);
        return ENGINE_SUCCESS;
    }

    // First sample from the head whose signed value exceeds the threshold.
    std::optional<int64_t> searchForward() {
        for (int64_t base = 0; base < m_sampleCount; base += kBlockSamples) {
            const int64_t count = std::min<int64_t>(kBlockSamples, m_sampleCount - base);
            if (!readSamples(base, count)) return std::nullopt;
            const ptrdiff_t i = firstIndexAbove(m_block.data(), size_t(count), m_threshold);
            if (i >= 0) return base + i;
        }
        return -1;
    }

    // Last such sample, searching blocks aligned to the end of the data.
    std::optional<int64_t> searchBackward() {
        for (int64_t end = m_sampleCount; end > 0;) {
            const int64_t start = std::max<int64_t>(0, end - int64_t(kBlockSamples));
            if (!readSamples(start, end - start)) return std::nullopt;
            const ptrdiff_t i = lastIndexAbove(m_block.data(), size_t(end - start), m_threshold);
            if (i >= 0) return start + i;
            end = start;
        }
        return -1;
    }

private:
    bool readSamples(int64_t first, int64_t count) {
        const ssize_t got = m_file.readAt(m_block.data(), size_t(2 * count), m_dataOffset + 2 * first);
        if (got < 0) return false;
        std::memset(reinterpret_cast<char*>(m_block.data()) + got, 0, size_t(2 * count - got));
        return true;
    }

    const FileHandle& m_file;
    const int64_t m_dataOffset;
    const int64_t m_sampleCount;
    const int64_t m_dataBytes;
    const int16_t m_threshold;
    std::vector<int16_t> m_block;  // the one 64 KiB buffer of all three passes
};

void fillRecord(TrackRecord& r, const Analysis& a) {
    r.dataBytes = a.dataBytes;
    r.dataOffset = a.dataOffset;
    r.riffBytes = a.dataBytes + a.dataOffset - 8;
    r.preMutePoint = r.preMuteBytes = r.origPreMutePoint = a.startOffset;
    r.postMutePoint = r.origPostMutePoint = a.endOffset;
    r.soundBytes = a.endOffset - a.startOffset;
    r.postMuteBytes = a.dataBytes - a.endOffset;
    r.levelPercent = 100;
    r.peakValue = a.peakValue;
    r.peakOffset = a.peakOffset;
    r.muteAdjustBytes = 0;
    r.fadeInBytes = 0;
    r.fadeOutBytes = 0;
    r.preDigitalMute = r.postDigitalMute = r.fadeInEnd = r.fadeOutStart = -1;
    r.fadeInCurve = r.fadeOutCurve = -1.0f;
}

}  // namespace
}  // namespace welvox

using namespace welvox;

extern "C" WELVOX_EXPORT int32_t FileOpen(const char* path, TrackRecord* record, int32_t threshold,
                                          int32_t peakFlag, ProgressCallback callback) {
    if (!path || !record) return ENGINE_OPEN_FAILED;
    const FileHandle file = FileHandle::openForReading(path);
    if (!file.isOpen()) return ENGINE_OPEN_FAILED;

    uint8_t header[kMaxHeaderBytes];
    const ssize_t headerBytes = file.readAt(header, sizeof header, 0);
    if (headerBytes < 0) return ENGINE_OPEN_FAILED;
    const auto info = parseWavHeader({header, size_t(headerBytes)});
    if (!info) return ENGINE_BAD_FORMAT;

    Analysis a;
    a.dataOffset = info->dataOffset();
    const auto dataBytes = usableDataBytes(info->dataSizeField, file.size(), a.dataOffset);
    if (!dataBytes) return ENGINE_BAD_FORMAT;
    a.dataBytes = *dataBytes;
    const auto threshold16 = int16_t(threshold);
    // Without a single whole frame there is no sound to keep.
    if (a.dataBytes < 4) return ENGINE_SILENCE_ONLY;

    Analyser analyser(file, a.dataOffset, a.dataBytes, threshold16);
    if (int16_t(peakFlag) != 0) {
        const int32_t result = analyser.scanPeak(callback, a.peakValue, a.peakOffset);
        if (result != ENGINE_SUCCESS) return result;
    } else {
        a.peakValue = 32767;
        a.peakOffset = 1;
    }
    if (a.peakValue <= threshold16) return ENGINE_SILENCE_ONLY;

    const auto first = analyser.searchForward();
    if (!first) return ENGINE_OPEN_FAILED;
    int64_t startIndex = *first;
    int64_t endIndex;
    if (startIndex < 0) {
        // No sample rises above the threshold (the scan was off, or the loud
        // samples are all negative): keep the whole data as sound, so that
        // nothing the user hears is ever taken for silence and trimmed.
        startIndex = 0;
        endIndex = a.dataBytes / 2 - 1;
    } else {
        const auto last = analyser.searchBackward();
        if (!last) return ENGINE_OPEN_FAILED;
        endIndex = *last >= 0 ? *last : startIndex;
    }
    a.startOffset = int32_t(4 * (startIndex / 2));
    a.endOffset = int32_t(4 * (endIndex / 2));
    fillRecord(*record, a);
    return ENGINE_SUCCESS;
}
