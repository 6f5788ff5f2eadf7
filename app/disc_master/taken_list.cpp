#include "taken_list.h"

#include "play_list.h"

#include <limits>

namespace {

// The longest mute a track can carry, as the mute dialog allows it: its
// audible end and the RIFF size of its saved file stay within 32 bits.
qint64 longestMute(const TrackRecord& record)
{
    return std::numeric_limits<int32_t>::max() - (qint64(record.dataBytes) + record.dataOffset - 8);
}

}  // namespace

ListChange ApplyTakenDisc(PlayList& list, const QList<TakenTrack>& tracks, const CdTextSet& texts)
{
    const QStringList fileTitles = FileTitles(list);
    CdTextSet edited = ResolveCdTexts(list, fileTitles, QString());
    edited.disc = texts.disc;
    QList<std::pair<int, qint64>> silences;
    for (int i = 1; i <= list.TrackCount(); ++i) {
        for (qsizetype j = 0; j < tracks.size(); ++j) {
            if (tracks[j].path != list.TrackAt(i).path)
                continue;
            edited.tracks[i - 1] = texts.tracks.value(j);
            silences.append({i, tracks[j].silenceAfter});
        }
    }
    ListChange change = StoreCdTexts(list, edited, fileTitles);
    for (const auto& [track, silence] : silences) {
        TrackRecord& record = list.TrackAt(track).record;
        record.muteAdjustBytes = int32_t(std::min(silence, longestMute(record)));
        change.enableSaveCommands = change.enableSaveCommands || silence > 0;
    }
    list.UpdateTimeline(1, list.TrackCount());
    for (int i = 1; i <= list.TrackCount(); ++i) {
        change.trackRows.append(i);
        change.muteRows.append(i);
    }
    change.changed = true;
    change.redrawPlayBar = true;
    change.refreshCommands = true;
    return change;
}
