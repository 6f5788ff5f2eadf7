#include "recording.h"

#include <algorithm>

Recording::Recording(QList<RecordingPart> parts)
    : m_parts(std::move(parts))
{
    for (RecordingPart& part : m_parts) {
        part.dataBytes -= part.dataBytes % SampleBytes;
        m_starts << m_samples;
        m_samples += part.dataBytes / SampleBytes;
    }
}

int Recording::partAt(int64_t s) const
{
    const auto after = std::upper_bound(m_starts.begin(), m_starts.end(), s);
    return int(std::max<qsizetype>(0, (after - m_starts.begin()) - 1));
}

QList<PartRange> Recording::rangesOf(int64_t from, int64_t count) const
{
    QList<PartRange> ranges;
    while (count > 0 && from >= 0 && from < m_samples) {
        const int p = partAt(from);
        const RecordingPart& part = m_parts[p];
        const int64_t inPart = from - m_starts[p];
        const int64_t n = std::min(count, part.dataBytes / SampleBytes - inPart);
        if (n > 0)
            ranges << PartRange{p, part.dataOffset + inPart * SampleBytes, n * SampleBytes};
        from += std::max<int64_t>(n, 0);
        count -= std::max<int64_t>(n, 0);
        if (n <= 0)
            break;
    }
    return ranges;
}
