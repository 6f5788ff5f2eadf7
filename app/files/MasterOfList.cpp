#include "MasterOfList.h"

#include "CueSheet.h"
#include "disc_texts.h"
#include "play_list.h"

ListMaster MasterOfList(const PlayList& list, const QString& discFallback)
{
    const CdTextSet texts = ResolveCdTexts(list, FileTitles(list), discFallback);
    ListMaster master;
    master.packs = BuildCdTextPacks(texts);
    // The packs without the 4-byte header of a burner's text file.
    master.disc.cdTextPacks = master.packs.file.mid(4);
    master.disc.title = texts[0].title;
    master.disc.performer = texts[0].performer;
    for (int i = 1; i <= list.TrackCount(); ++i) {
        const Track& track = list.TrackAt(i);
        master.disc.tracks.append({track.path, track.record.dataOffset, track.record.dataBytes, track.version, {},
                                   texts[i].title, texts[i].performer});
    }
    return master;
}

QString ProposedMasterName(const PlayList& list)
{
    QString name = ResolveCdTexts(list, FileTitles(list), QString())[0].title.trimmed();
    for (QChar& c : name) {
        if (c == u'/' || c.category() == QChar::Other_Control)
            c = u'_';
    }
    return name.isEmpty() || name == u'.' || name == QStringLiteral("..") ? QStringLiteral("DDP") : name;
}
