#include "disc_texts.h"

#include "play_list.h"

#include <optional>

namespace {

// The one text every track that has one shares (empty when none has one
// or two differ). With everyTrack, a track without one disagrees.
QString agreed(const PlayList& list, QString TrackTexts::*field, bool everyTrack)
{
    std::optional<QString> common;
    for (int i = 1; i <= list.TrackCount(); ++i) {
        const QString& text = list.TrackAt(i).texts.*field;
        if (text.isEmpty() && !everyTrack)
            continue;
        if (common && *common != text)
            return {};
        common = text;
    }
    return common.value_or(QString());
}

}  // namespace

TrackTexts TrackTextsFromTags(const SourceTags& tags)
{
    return {tags.title, tags.artist, tags.album, tags.albumArtist};
}

CdTextEntry DiscTextDefaults(const PlayList& list)
{
    QString performer = agreed(list, &TrackTexts::albumPerformer, false);
    if (performer.isEmpty())
        performer = agreed(list, &TrackTexts::performer, true);
    return {agreed(list, &TrackTexts::album, false), performer};
}

CdTextSet ResolveCdTexts(const PlayList& list, const QStringList& fileTitles, const QString& discFallback)
{
    const CdTextEntry defaults = DiscTextDefaults(list);
    const DiscTexts& disc = list.DiscText();
    QString title = disc.title.value_or(defaults.title);
    if (title.isEmpty())
        title = discFallback;
    CdTextSet texts{{title, disc.performer.value_or(defaults.performer)}};
    for (int i = 1; i <= list.TrackCount(); ++i) {
        const TrackTexts& track = list.TrackAt(i).texts;
        texts.append({track.title.isEmpty() ? fileTitles.value(i - 1) : track.title, track.performer});
    }
    return texts;
}

ListChange StoreCdTexts(PlayList& list, const CdTextSet& edited, const QStringList& fileTitles)
{
    const CdTextEntry defaults = DiscTextDefaults(list);
    const CdTextEntry disc = edited.value(0);
    const DiscTexts discTexts{disc.title == defaults.title ? std::nullopt : std::optional(disc.title),
                              disc.performer == defaults.performer ? std::nullopt : std::optional(disc.performer)};
    QList<TrackTexts> trackTexts;
    for (int i = 1; i <= list.TrackCount(); ++i) {
        TrackTexts texts = list.TrackAt(i).texts;
        const CdTextEntry track = edited.value(i);
        texts.title = track.title == fileTitles.value(i - 1) ? QString() : track.title;
        texts.performer = track.performer;
        trackTexts.append(texts);
    }
    bool same = discTexts == list.DiscText();
    for (int i = 1; i <= list.TrackCount(); ++i)
        same = same && trackTexts[i - 1] == list.TrackAt(i).texts;
    if (same)
        return {};

    list.SaveUndo();
    list.SetDiscText(discTexts);
    for (int i = 1; i <= list.TrackCount(); ++i)
        list.TrackAt(i).texts = trackTexts[i - 1];
    ListChange change;
    change.changed = true;
    change.enableUndoCommand = true;
    return change;
}
