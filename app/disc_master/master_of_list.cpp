#include "master_of_list.h"

#include "disc_texts.h"
#include "play_list.h"

ListMaster MasterOfList(const PlayList& list, const QString& discFallback)
{
    ListMaster master;
    master.texts = ResolveCdTexts(list, FileTitles(list), discFallback);
    const CdTextSet& texts = master.texts;
    master.packs = BuildCdTextPacks(texts);
    // The packs without the 4-byte header of a burner's text file.
    master.disc.cdTextPacks = master.packs.file.mid(4);
    master.disc.title = texts.disc.title;
    master.disc.performer = texts.disc.performer;
    master.disc.catalog = texts.disc.code;
    for (int i = 1; i <= list.TrackCount(); ++i) {
        const Track& track = list.TrackAt(i);
        const CdTextEntry& text = texts.tracks[i - 1];
        master.disc.tracks.append({track.path, track.record.dataOffset, track.record.dataBytes, track.version,
                                   text.code, text.title, text.performer});
    }
    return master;
}

QString ProposedMasterName(const PlayList& list)
{
    QString name = ResolveCdTexts(list, FileTitles(list), QString()).disc.title.trimmed();
    for (QChar& c : name) {
        if (c == u'/' || c.category() == QChar::Other_Control)
            c = u'_';
    }
    return name.isEmpty() || name == u'.' || name == QStringLiteral("..") ? QStringLiteral("DDP") : name;
}
