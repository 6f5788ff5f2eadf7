#include "wave_cache.h"

#include "read_only_file.h"
#include "system_error_text.h"

#include <QFile>

#include <algorithm>
#include <cerrno>

namespace {

constexpr int ValuesPerEntry = WaveCache::EntryBytes / 2;
constexpr int EntriesPerSecond = WaveCache::SecondBytes / WaveCache::EntryBytes;
constexpr int SecondsPerBlock = WaveCache::BlockBytes / WaveCache::SecondBytes;

// Reads one second of data at data position `at` into values; the part that
// lies beyond the data reads as silence. The description of a read error,
// empty on success. A read that ends before the data does found the file
// cut short since the track was opened with all of its data present.
QString readSecond(const ReadOnlyFile& file, const WaveCache::Source& source, int64_t at, std::vector<int16_t>& values)
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
    const ReadOnlyFile file(QFile::encodeName(source.path).constData());
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
