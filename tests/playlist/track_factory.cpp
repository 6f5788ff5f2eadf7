#include "track_factory.h"

#include <QStringList>

namespace playlisttest {

TrackRecord analysed(int32_t dataBytes, int32_t preMute, int32_t postMute, int32_t peak)
{
    TrackRecord r{};
    r.dataBytes = dataBytes;
    r.dataOffset = 44;
    r.riffBytes = dataBytes + 36;
    r.preMutePoint = preMute;
    r.preMuteBytes = preMute;
    r.postMutePoint = dataBytes - postMute;
    r.soundBytes = r.postMutePoint - preMute;
    r.postMuteBytes = postMute;
    r.levelPercent = 100;
    r.peakValue = peak;
    r.peakOffset = preMute;
    r.origPreMutePoint = r.preMutePoint;
    r.origPostMutePoint = r.postMutePoint;
    r.preDigitalMute = r.postDigitalMute = r.fadeInEnd = r.fadeOutStart = -1;
    r.fadeInCurve = r.fadeOutCurve = -1.0f;
    return r;
}

void fill(PlayList& list, const std::vector<TrackRecord>& records)
{
    for (const TrackRecord& r : records) {
        const QString title = QStringLiteral("T%1").arg(list.TrackCount() + 1);
        list.AddTrack(title, QStringLiteral("/music/") + title + QStringLiteral(".wav"), r);
    }
}

void fillNumbered(PlayList& list, int n)
{
    std::vector<TrackRecord> records;
    for (int i = 1; i <= n; ++i)
        records.push_back(analysed(176400 * i, 4 * i, 8 * i));
    fill(list, records);
}

QString order(const PlayList& list)
{
    QStringList titles;
    for (int i = 1; i <= list.TrackCount(); ++i)
        titles << list.TrackAt(i).title;
    return titles.join(QLatin1Char(' '));
}

}  // namespace playlisttest
