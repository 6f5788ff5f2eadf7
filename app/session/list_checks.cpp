#include "list_checks.h"

#include "record_check.h"

TrackVerdict CheckListedTrack(const ListedTrack& listed)
{
    if (!listed.track.path.endsWith(QStringLiteral(".wav"), Qt::CaseInsensitive))
        return TrackVerdict::NotWav;
    const auto stamp = StampOf(listed.track.path);
    if (!stamp)
        return TrackVerdict::Missing;
    if (*stamp != listed.stamp)
        return TrackVerdict::Changed;
    return RecordIsSound(listed.track.record, stamp->size) ? TrackVerdict::Stored : TrackVerdict::Unsound;
}
