#include "burner_changes.h"

#include "play_list.h"

BurnerChanges FindBurnerChanges(const PlayList& list)
{
    BurnerChanges changes;
    for (int i = 1; i <= list.TrackCount(); ++i) {
        const qint64 bytes = list.TrackAt(i).record.dataBytes;
        const qint64 frames = (bytes + BurnerChanges::FrameBytes - 1) / BurnerChanges::FrameBytes;
        if (bytes % BurnerChanges::FrameBytes != 0)
            changes.paddedTracks.append(i);
        if (frames < BurnerChanges::MinimumTrackFrames)
            changes.shortTracks.append(i);
        changes.discFrames += frames;
    }
    return changes;
}
