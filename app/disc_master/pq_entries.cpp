#include "pq_entries.h"

#include "cd_frame.h"

namespace pq {

QList<Entry> Entries(const DiscLayout& layout, const QStringList& isrcs)
{
    QList<Entry> entries{{LeadIn, 0, 0, {}}};
    for (qsizetype i = 0; i < layout.tracks.size(); ++i) {
        const int track = int(i) + 1;
        const TrackPlace& place = layout.tracks[i];
        if (place.preGapFrames > 0) {
            entries.append({track, 0, place.startFrame - place.preGapFrames, isrcs.value(i)});
            entries.append({track, 1, place.startFrame, {}});
        } else {
            entries.append({track, 1, place.startFrame, isrcs.value(i)});
        }
    }
    entries.append({LeadOut, 1, layout.leadOutFrame, {}});
    entries.append({LeadOut, 1, layout.leadOutFrame, {}});
    return entries;
}

QString Msf(qint64 frame, const QString& separator)
{
    const auto two = [](qint64 value) { return QStringLiteral("%1").arg(value, 2, 10, QChar(u'0')); };
    const qint64 seconds = frame / cdframe::PerSecond;
    return two(seconds / 60) + separator + two(seconds % 60) + separator + two(frame % cdframe::PerSecond);
}

}  // namespace pq
