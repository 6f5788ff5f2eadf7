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
