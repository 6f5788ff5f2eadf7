#include "mp4_timing.h"

#include <cstdio>
#include <cstring>
#include <memory>

namespace {

constexpr uint64_t MostMoovBytes = uint64_t(64) << 20;

uint64_t bigEndian(std::span<const uint8_t> bytes, size_t at, size_t width)
{
    uint64_t value = 0;
    for (size_t i = 0; i < width; ++i)
        value = value << 8 | bytes[at + i];
    return value;
}

struct Box {
    char type[5] = {};
    std::span<const uint8_t> payload;
};

// The box at the front of bytes, its payload within them; nothing when its
// header is broken or it claims more bytes than there are. A size of 0
// means "to the end".
std::optional<Box> boxAt(std::span<const uint8_t> bytes, size_t& consumed)
{
    if (bytes.size() < 8)
        return std::nullopt;
    uint64_t size = bigEndian(bytes, 0, 4);
    size_t header = 8;
    if (size == 1) {
        if (bytes.size() < 16)
            return std::nullopt;
        size = bigEndian(bytes, 8, 8);
        header = 16;
    } else if (size == 0) {
        size = bytes.size();
    }
    if (size < header || size > bytes.size())
        return std::nullopt;
    Box box;
    std::memcpy(box.type, bytes.data() + 4, 4);
    box.payload = bytes.subspan(header, size_t(size) - header);
    consumed = size_t(size);
    return box;
}

// The boxes of a container's payload, in order, up to the first broken one.
std::vector<Box> childrenOf(std::span<const uint8_t> payload)
{
    std::vector<Box> children;
    size_t consumed = 0;
    while (const auto box = boxAt(payload, consumed)) {
        children.push_back(*box);
        payload = payload.subspan(consumed);
    }
    return children;
}

std::optional<std::span<const uint8_t>> child(std::span<const uint8_t> payload, const char* type)
{
    for (const Box& box : childrenOf(payload)) {
        if (std::strcmp(box.type, type) == 0)
            return box.payload;
    }
    return std::nullopt;
}

std::optional<std::span<const uint8_t>> descendant(std::span<const uint8_t> payload,
                                                   std::initializer_list<const char*> path)
{
    std::optional<std::span<const uint8_t>> found = payload;
    for (const char* type : path) {
        found = child(*found, type);
        if (!found)
            break;
    }
    return found;
}

// The time scale of a movie or media header (mvhd, mdhd): after version,
// flags and two times of 4 bytes, or of 8 in version 1.
std::optional<uint32_t> timescaleOf(std::span<const uint8_t> header)
{
    const size_t at = !header.empty() && header[0] == 1 ? 20 : 12;
    if (header.size() < at + 4)
        return std::nullopt;
    const auto scale = uint32_t(bigEndian(header, at, 4));
    return scale > 0 ? std::optional(scale) : std::nullopt;
}

bool isSoundTrack(std::span<const uint8_t> trak)
{
    const auto handler = descendant(trak, {"mdia", "hdlr"});
    return handler && handler->size() >= 12 && std::memcmp(handler->data() + 8, "soun", 4) == 0;
}

// The sum of the sample table's durations; nothing when the table claims
// more entries than it holds.
std::optional<uint64_t> mediaDurationOf(std::span<const uint8_t> stts)
{
    if (stts.size() < 8)
        return std::nullopt;
    const uint64_t entries = bigEndian(stts, 4, 4);
    if (entries > (stts.size() - 8) / 8)
        return std::nullopt;
    uint64_t sum = 0;
    for (size_t i = 0; i < entries; ++i)
        sum += bigEndian(stts, 8 + 8 * i, 4) * bigEndian(stts, 12 + 8 * i, 4);
    return sum;
}

// Reads the one edit of an edit list into timing; false when the list is
// broken or holds several edits.
bool readEdit(std::span<const uint8_t> elst, Mp4Timing& timing)
{
    if (elst.size() < 8)
        return false;
    const bool wide = elst[0] == 1;
    const size_t entrySize = wide ? 20 : 12;
    const uint64_t entries = bigEndian(elst, 4, 4);
    if (entries > (elst.size() - 8) / entrySize)
        return false;
    for (size_t i = 0; i < entries; ++i) {
        const size_t at = 8 + i * entrySize;
        const uint64_t duration = bigEndian(elst, at, wide ? 8 : 4);
        const int64_t start = wide ? int64_t(bigEndian(elst, at + 8, 8)) : int32_t(bigEndian(elst, at + 4, 4));
        if (start < 0)
            continue;  // an empty edit
        if (timing.editStart)
            return false;
        timing.editStart = start;
        timing.editDuration = duration;
    }
    return true;
}

}  // namespace

std::optional<Mp4Timing> parseMp4Timing(std::span<const uint8_t> moov)
{
    Mp4Timing timing;
    const auto movieHeader = child(moov, "mvhd");
    const auto movieScale = movieHeader ? timescaleOf(*movieHeader) : std::nullopt;
    if (!movieScale)
        return std::nullopt;
    timing.movieTimescale = *movieScale;
    for (const Box& box : childrenOf(moov)) {
        if (std::strcmp(box.type, "trak") != 0 || !isSoundTrack(box.payload))
            continue;
        const auto mediaHeader = descendant(box.payload, {"mdia", "mdhd"});
        const auto mediaScale = mediaHeader ? timescaleOf(*mediaHeader) : std::nullopt;
        const auto stts = descendant(box.payload, {"mdia", "minf", "stbl", "stts"});
        const auto duration = stts ? mediaDurationOf(*stts) : std::nullopt;
        if (!mediaScale || !duration)
            return std::nullopt;
        timing.mediaTimescale = *mediaScale;
        timing.mediaDuration = *duration;
        if (const auto elst = descendant(box.payload, {"edts", "elst"}); elst && !readEdit(*elst, timing))
            return std::nullopt;
        return timing;
    }
    return std::nullopt;
}

std::optional<Mp4Recording> declaredRecording(const Mp4Timing& timing)
{
    const int64_t start = timing.editStart.value_or(0);
    if (timing.mediaDuration == 0 || timing.mediaDuration > uint64_t(INT64_MAX) || start >= int64_t(timing.mediaDuration))
        return std::nullopt;
    const int64_t available = int64_t(timing.mediaDuration) - start;
    // No edit, or one of no duration, shows all the media from its start.
    if (!timing.editDuration || *timing.editDuration == 0 || timing.movieTimescale == 0)
        return Mp4Recording{start, available};
    // The edit's length in media units, and one tick of the movie's scale.
    const long double edited =
        (long double)*timing.editDuration * timing.mediaTimescale / timing.movieTimescale;
    const long double tick = (long double)timing.mediaTimescale / timing.movieTimescale;
    if (edited >= (long double)available - tick)
        return Mp4Recording{start, available};
    const auto length = int64_t(edited + 0.5L);
    return length > 0 ? std::optional(Mp4Recording{start, length}) : std::nullopt;
}

std::optional<std::vector<uint8_t>> readMoovBox(const std::string& path)
{
    struct Closer {
        void operator()(std::FILE* file) const { std::fclose(file); }
    };
    const std::unique_ptr<std::FILE, Closer> file(std::fopen(path.c_str(), "rb"));
    if (!file)
        return std::nullopt;
    for (;;) {
        uint8_t header[16];
        if (std::fread(header, 1, 8, file.get()) != 8)
            return std::nullopt;
        const std::span<const uint8_t> bytes(header);
        uint64_t size = bigEndian(bytes, 0, 4);
        uint64_t headerSize = 8;
        if (size == 1) {
            if (std::fread(header + 8, 1, 8, file.get()) != 8)
                return std::nullopt;
            size = bigEndian(bytes, 8, 8);
            headerSize = 16;
        }
        if (size < headerSize)
            return std::nullopt;  // a box to the end of the file, or a broken one: no moov follows
        const uint64_t payload = size - headerSize;
        if (std::memcmp(header + 4, "moov", 4) == 0) {
            if (payload > MostMoovBytes)
                return std::nullopt;
            std::vector<uint8_t> moov(static_cast<size_t>(payload));
            if (std::fread(moov.data(), 1, moov.size(), file.get()) != moov.size())
                return std::nullopt;
            return moov;
        }
        if (payload > uint64_t(INT64_MAX) || fseeko(file.get(), off_t(payload), SEEK_CUR) != 0)
            return std::nullopt;
    }
}
