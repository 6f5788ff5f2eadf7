#include "listed_audio.h"

#include "play_list.h"

bool HoldsListedAudio(const TrackRecord& record)
{
    // A negative offset is an absent mute or fade, as rendering reads it.
    return record.levelPercent == 100 && record.muteAdjustBytes == 0 && record.preDigitalMute < 0 &&
           record.postDigitalMute < 0 && record.fadeInEnd < 0 && record.fadeOutStart < 0;
}

bool EveryFileHoldsListedAudio(const PlayList& list)
{
    for (int i = 1; i <= list.TrackCount(); ++i) {
        if (!HoldsListedAudio(list.TrackAt(i).record))
            return false;
    }
    return true;
}
