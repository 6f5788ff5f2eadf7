#include "source_sniff.h"

extern "C" {
#include <libavformat/avformat.h>
}

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

constexpr size_t SniffBytes = 12;
constexpr size_t Id3HeaderBytes = 10;
// The probe sizes libavformat uses: 2 KiB first, a megabyte at most.
constexpr size_t ProbeStart = 2048;
constexpr size_t ProbeMost = size_t(1) << 20;

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};
using FileHandle = std::unique_ptr<std::FILE, FileCloser>;

// The file at path opened for reading when it is a regular file: a FIFO or
// a device would keep the reader waiting, or reading for ever.
FileHandle openRegular(const std::string& path)
{
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    struct stat status{};
    if (fd < 0)
        return nullptr;
    if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) {
        ::close(fd);
        return nullptr;
    }
    std::FILE* file = ::fdopen(fd, "rb");
    if (file == nullptr)
        ::close(fd);
    return FileHandle(file);
}

// The file's first bytes, as many as it has up to SniffBytes.
std::array<uint8_t, SniffBytes> firstBytes(const std::string& path, size_t& got)
{
    std::array<uint8_t, SniffBytes> bytes{};
    got = 0;
    if (const FileHandle file = openRegular(path))
        got = std::fread(bytes.data(), 1, bytes.size(), file.get());
    return bytes;
}

bool isRiffWave(const std::array<uint8_t, SniffBytes>& bytes, size_t got)
{
    return got >= 12 && std::memcmp(bytes.data(), "RIFF", 4) == 0 && std::memcmp(bytes.data() + 8, "WAVE", 4) == 0;
}

// The length of an ID3v2 tag at the head (header, body and footer), 0 when
// there is none. A tag larger than what libavformat probes would hide the
// audio behind it, and only the content may decide.
int64_t id3v2Length(const std::array<uint8_t, SniffBytes>& b, size_t got)
{
    if (got < Id3HeaderBytes || std::memcmp(b.data(), "ID3", 3) != 0 || b[3] == 0xFF || b[4] == 0xFF)
        return 0;
    int64_t size = 0;
    for (int i = 6; i < 10; ++i) {
        if (b[size_t(i)] & 0x80)
            return 0;
        size = size << 7 | b[size_t(i)];
    }
    const bool footer = (b[5] & 0x10) != 0;
    return int64_t(Id3HeaderBytes) + size + (footer ? int64_t(Id3HeaderBytes) : 0);
}

// The program reports what goes wrong in its own messages; libavformat's
// and libavcodec's lines about damaged data would only reach a terminal.
void quietLibraries()
{
    static const bool quiet = [] {
        av_log_set_level(AV_LOG_FATAL);
        return true;
    }();
    (void)quiet;
}

}  // namespace

const AVInputFormat* recogniseContainer(const std::string& path)
{
    quietLibraries();
    size_t got = 0;
    const auto bytes = firstBytes(path, got);
    const FileHandle file = openRegular(path);
    if (got == 0 || !file || std::fseek(file.get(), long(id3v2Length(bytes, got)), SEEK_SET) != 0)
        return nullptr;
    // As libavformat's own probe: ever more bytes until a container is
    // certain, or any container at all once the file or the largest probe
    // is read; but from behind the tag, and with an empty name, as the
    // ending would otherwise tip the balance.
    std::vector<uint8_t> buffer;
    size_t filled = 0;
    for (size_t size = ProbeStart; size <= ProbeMost; size *= 2) {
        buffer.resize(size + AVPROBE_PADDING_SIZE);
        filled += std::fread(buffer.data() + filled, 1, size - filled, file.get());
        std::fill(buffer.begin() + long(filled), buffer.end(), 0);
        const bool whole = filled < size || size == ProbeMost;
        AVProbeData probe{};
        probe.filename = "";
        probe.buf = buffer.data();
        probe.buf_size = int(filled);
        int score = whole ? 0 : AVPROBE_SCORE_RETRY;
        if (const AVInputFormat* format = av_probe_input_format2(&probe, 1, &score))
            return format;
        if (whole)
            break;
    }
    return nullptr;
}

SourceKind sniffSource(const std::string& path)
{
    size_t got = 0;
    const auto bytes = firstBytes(path, got);
    if (isRiffWave(bytes, got))
        return SourceKind::Wav;
    const AVInputFormat* format = recogniseContainer(path);
    if (format == nullptr)
        return SourceKind::Unknown;
    return std::strcmp(format->name, "mp3") == 0 ? SourceKind::MpegAudio : SourceKind::Other;
}
