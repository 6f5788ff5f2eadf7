#include "wave_cache.h"

#include "SystemErrorText.h"

#include <QFile>

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace {

constexpr int ValuesPerEntry = WaveCache::EntryBytes / 2;
constexpr int EntriesPerSecond = WaveCache::SecondBytes / WaveCache::EntryBytes;
constexpr int SecondsPerBlock = WaveCache::BlockBytes / WaveCache::SecondBytes;

// The track file, open for reading while blocks are loaded. The system
// calls are used directly so that a failure's errno reaches the message.
class TrackFile {
public:
    explicit TrackFile(const QString& path)
        : m_fd(::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC))
        , m_openError(m_fd < 0 ? errno : 0)
    {
    }
    ~TrackFile()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    TrackFile(const TrackFile&) = delete;
    TrackFile& operator=(const TrackFile&) = delete;

    int openError() const { return m_openError; }

    // Reads up to `wanted` bytes at `at`; the bytes read, or -1 with errno set.
    int64_t read(int64_t at, char* into, int64_t wanted) const
    {
        int64_t got = 0;
        while (got < wanted) {
            const ssize_t n = ::pread(m_fd, into + got, size_t(wanted - got), off_t(at + got));
            if (n < 0 && errno == EINTR)
                continue;
            if (n < 0)
                return -1;
            if (n == 0)
                break;
            got += n;
        }
        return got;
    }

private:
    int m_fd;
    int m_openError;
};

// Reads one second of data at data position `at` into values; the part that
// lies beyond the data reads as silence. The description of a read error,
// empty on success. A read that ends before the data does found the file
// cut short since the track was opened with all of its data present.
QString readSecond(const TrackFile& file, const WaveCache::Source& source, int64_t at, std::vector<int16_t>& values)
{
    std::fill(values.begin(), values.end(), int16_t(0));
    const int64_t wanted = std::clamp<int64_t>(source.dataBytes - at, 0, WaveCache::SecondBytes);
    if (wanted == 0)
        return {};
    const int64_t got = file.read(source.dataOffset + at, reinterpret_cast<char*>(values.data()), wanted);
    if (got < 0)
        return SystemErrorText(errno);
    return got < wanted ? FileCutShortText() : QString();
}

}  // namespace

WaveCache::WaveCache()
    : m_max(SlotCount * EntriesPerSlot, 0)
    , m_min(SlotCount * EntriesPerSlot, 0)
{
    Empty();
}

void WaveCache::Empty()
{
    m_start.fill(-1);
}

bool WaveCache::Holds(int slot, int64_t position) const
{
    const int32_t start = m_start[slot];
    return start != -1 && start <= position && position < int64_t(start) + BlockBytes;
}

QString WaveCache::LoadWaveBlocks(const Source& source, int firstSlot, int count, int32_t offset,
                                  const Progress& progress)
{
    static_assert(Q_BYTE_ORDER == Q_LITTLE_ENDIAN, "the samples are read as stored");
    const TrackFile file(source.path);
    if (file.openError() != 0)
        return SystemErrorText(file.openError());
    std::vector<int16_t> values(SecondBytes / 2);
    QString error;
    for (int b = 0; b < count && error.isEmpty(); ++b) {
        const int k = (firstSlot + b) % SlotCount;
        const int64_t blockStart = int64_t(offset) + int64_t(b) * BlockBytes;
        m_start[k] = -1;
        for (int s = 0; s < SecondsPerBlock; ++s) {
            error = readSecond(file, source, blockStart + int64_t(s) * SecondBytes, values);
            if (!error.isEmpty())
                break;
            for (int g = 0; g < EntriesPerSecond; ++g) {
                const auto first = values.begin() + g * ValuesPerEntry;
                const auto [lo, hi] = std::minmax_element(first, first + ValuesPerEntry);
                m_max[index(k, s * EntriesPerSecond + g)] = *hi;
                m_min[index(k, s * EntriesPerSecond + g)] = *lo;
            }
            if (progress)
                progress((s * 10 + b * 100 + 10) / count);
        }
        if (error.isEmpty()) {
            m_start[k] = int32_t(blockStart);
            ++m_blocksRead;
        }
    }
    if (progress)
        progress(0);
    return error;
}
