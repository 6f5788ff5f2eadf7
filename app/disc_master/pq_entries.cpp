#include "pq_entries.h"

namespace pq {

qint64 FramesOf(qint64 dataBytes)
{
    return (dataBytes + FrameBytes - 1) / FrameBytes;
}

QList<Entry> Entries(const QList<TrackData>& tracks)
{
    QList<Entry> entries{{LeadIn, 0, 0, {}}};
    qint64 frame = PreGapFrames;
    for (qsizetype i = 0; i < tracks.size(); ++i) {
        const int track = int(i) + 1;
        if (track == 1) {
            entries.append({track, 0, 0, tracks[i].isrc});
            entries.append({track, 1, frame, {}});
        } else {
            entries.append({track, 1, frame, tracks[i].isrc});
        }
        frame += FramesOf(tracks[i].dataBytes);
    }
    entries.append({LeadOut, 1, frame, {}});
    entries.append({LeadOut, 1, frame, {}});
    return entries;
}

QString Msf(qint64 frame, const QString& separator)
{
    const auto two = [](qint64 value) { return QStringLiteral("%1").arg(value, 2, 10, QChar(u'0')); };
    const qint64 seconds = frame / FramesPerSecond;
    return two(seconds / 60) + separator + two(seconds % 60) + separator + two(frame % FramesPerSecond);
}

}  // namespace pq
