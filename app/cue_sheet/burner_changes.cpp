#include "burner_changes.h"

#include "disc_layout.h"
#include "play_list.h"

BurnerChanges FindBurnerChanges(const PlayList& list)
{
    QList<qint64> dataBytes;
    for (int i = 1; i <= list.TrackCount(); ++i)
        dataBytes.append(list.TrackAt(i).record.dataBytes);
    const DiscLayout layout = LayOutDisc(dataBytes);
    BurnerChanges changes;
    for (int i = 1; i <= layout.tracks.size(); ++i) {
        const TrackPlace& place = layout.tracks[i - 1];
        if (place.paddingBytes != 0)
            changes.paddedTracks.append(i);
        if (place.frames < BurnerChanges::MinimumTrackFrames)
            changes.shortTracks.append(i);
    }
    changes.discFrames = layout.trackFrames();
    return changes;
}
