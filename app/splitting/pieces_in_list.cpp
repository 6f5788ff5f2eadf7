#include "pieces_in_list.h"

namespace {

void takeUnset(std::optional<QString>& field, const std::optional<QString>& offered)
{
    if (!field && offered && !offered->isEmpty())
        field = offered;
}

}  // namespace

ListChange PlayStraightThrough(PlayList& list, int first, int last, const QList<TrackTexts>& pieceTexts,
                               const DiscTexts& disc)
{
    ListChange change;
    for (int i = first; i <= last; ++i) {
        Track& track = list.TrackAt(i);
        TrackRecord& r = track.record;
        if (i < last)
            r.muteAdjustBytes = 0;
        r.levelPercent = 100;
        r.preDigitalMute = r.postDigitalMute = r.fadeInEnd = r.fadeOutStart = -1;
        r.fadeInBytes = r.fadeOutBytes = 0;
        if (i - first < pieceTexts.size())
            track.texts = pieceTexts[i - first];
        change.trackRows << i;
        change.muteRows << i;
    }
    list.UpdateTimeline(first, last);
    DiscTexts texts = list.DiscText();
    takeUnset(texts.title, disc.title);
    takeUnset(texts.performer, disc.performer);
    takeUnset(texts.songwriter, disc.songwriter);
    takeUnset(texts.catalog, disc.catalog);
    list.SetDiscText(texts);
    change.changed = true;
    change.redrawPlayBar = true;
    change.refreshCommands = true;
    return change;
}
