#include "disc_texts.h"

#include "play_list.h"
#include "save_prefix.h"

#include <array>
#include <optional>

namespace {

const QString WavEnding = QStringLiteral(".wav");

// The disc's texts as the entry shows them and as the list stores them.
struct DiscField {
    QString CdTextEntry::*shown;
    std::optional<QString> DiscTexts::*stored;
};

constexpr std::array<DiscField, 7> DiscFields = {{
    {&CdTextEntry::title, &DiscTexts::title},
    {&CdTextEntry::performer, &DiscTexts::performer},
    {&CdTextEntry::songwriter, &DiscTexts::songwriter},
    {&CdTextEntry::composer, &DiscTexts::composer},
    {&CdTextEntry::arranger, &DiscTexts::arranger},
    {&CdTextEntry::message, &DiscTexts::message},
    {&CdTextEntry::code, &DiscTexts::catalog},
}};

// A track's texts as the entry shows them and as the track stores them; the
// title, which follows the file's name, is not among them.
struct TrackField {
    QString CdTextEntry::*shown;
    QString TrackTexts::*stored;
};

constexpr std::array<TrackField, 5> TrackFields = {{
    {&CdTextEntry::performer, &TrackTexts::performer},
    {&CdTextEntry::songwriter, &TrackTexts::songwriter},
    {&CdTextEntry::composer, &TrackTexts::composer},
    {&CdTextEntry::arranger, &TrackTexts::arranger},
    {&CdTextEntry::code, &TrackTexts::isrc},
}};

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

DiscTexts storedDisc(const CdTextEntry& edited, const CdTextEntry& defaults)
{
    DiscTexts disc;
    for (const DiscField& f : DiscFields) {
        if (edited.*f.shown != defaults.*f.shown)
            disc.*f.stored = edited.*f.shown;
    }
    return disc;
}

TrackTexts storedTrack(TrackTexts texts, const CdTextEntry& edited, const QString& fileTitle)
{
    texts.title = edited.title == fileTitle ? QString() : edited.title;
    for (const TrackField& f : TrackFields)
        texts.*f.stored = edited.*f.shown;
    return texts;
}

}  // namespace

QString TitleFromFileName(const QString& listTitle)
{
    const QString name = WithoutSavePrefix(listTitle);
    return name.endsWith(WavEnding, Qt::CaseInsensitive) ? name.chopped(WavEnding.size()) : name;
}

QStringList FileTitles(const PlayList& list)
{
    QStringList titles;
    for (int i = 1; i <= list.TrackCount(); ++i)
        titles.append(TitleFromFileName(list.TrackAt(i).title));
    return titles;
}

QString UnnamedDiscTitle()
{
    return QStringLiteral("disc");
}

CdTextEntry DiscTextDefaults(const PlayList& list)
{
    CdTextEntry defaults;
    defaults.title = agreed(list, &TrackTexts::album, false);
    defaults.performer = agreed(list, &TrackTexts::albumPerformer, false);
    if (defaults.performer.isEmpty())
        defaults.performer = agreed(list, &TrackTexts::performer, true);
    defaults.code = agreed(list, &TrackTexts::albumCatalog, false);
    return defaults;
}

CdTextSet ResolveCdTexts(const PlayList& list, const QStringList& fileTitles, const QString& discFallback)
{
    CdTextSet texts{DiscTextDefaults(list), {}};
    for (const DiscField& f : DiscFields)
        texts.disc.*f.shown = (list.DiscText().*f.stored).value_or(texts.disc.*f.shown);
    if (texts.disc.title.isEmpty())
        texts.disc.title = discFallback;
    for (int i = 1; i <= list.TrackCount(); ++i) {
        const TrackTexts& stored = list.TrackAt(i).texts;
        CdTextEntry track;
        track.title = stored.title.isEmpty() ? fileTitles.value(i - 1) : stored.title;
        for (const TrackField& f : TrackFields)
            track.*f.shown = stored.*f.stored;
        texts.tracks.append(track);
    }
    return texts;
}

ListChange StoreCdTexts(PlayList& list, const CdTextSet& edited, const QStringList& fileTitles)
{
    const DiscTexts disc = storedDisc(edited.disc, DiscTextDefaults(list));
    QList<TrackTexts> tracks;
    bool same = disc == list.DiscText();
    for (int i = 1; i <= list.TrackCount(); ++i) {
        tracks.append(storedTrack(list.TrackAt(i).texts, edited.tracks.value(i - 1), fileTitles.value(i - 1)));
        same = same && tracks.last() == list.TrackAt(i).texts;
    }
    if (same)
        return {};

    list.SaveUndo();
    list.SetDiscText(disc);
    for (int i = 1; i <= list.TrackCount(); ++i)
        list.TrackAt(i).texts = tracks[i - 1];
    ListChange change;
    change.changed = true;
    change.enableUndoCommand = true;
    return change;
}
