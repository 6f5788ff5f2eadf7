#include "write_job.h"

#include "burner_changes.h"
#include "cue_sheet.h"
#include "cue_sheet_messages.h"
#include "cd_text_messages.h"
#include "cd_text_packs.h"
#include "listed_audio.h"
#include "plant_notes.h"
#include "play_list.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace {

bool fileUnchanged(const Track& track)
{
    if (!track.version)
        return true;
    const auto now = FileVersion::OfRegularFile(track.path);
    return now && *now == *track.version;
}

QString changedTrackMessage(const PlayList& list, int track)
{
    return QCoreApplication::translate("WriteJob", "No.") + QString::number(track) + u':' + u'"' +
           list.TrackAt(track).title + u'"' +
           QCoreApplication::translate("WriteJob", "のﾌｧｲﾙはﾘｽﾄで再生する内容と違っています。") + QStringLiteral("\r\n") +
           QCoreApplication::translate("WriteJob", "保存してから書き込んでください。");
}

// The disc's texts and codes with a sheet of the name the CUE command
// proposes, whose name the disc's title falls back to.
CdTextSet discTexts(const PlayList& list)
{
    return CueCdTexts(list, QFileInfo(list.TrackAt(1).path).absolutePath() + u'/' + UnnamedDiscTitle() +
                                QStringLiteral(".cue"));
}

}  // namespace

int FirstChangedTrack(const PlayList& list)
{
    for (int track = 1; track <= list.TrackCount(); ++track) {
        const Track& entry = list.TrackAt(track);
        if (!HoldsListedAudio(entry.record) || !fileUnchanged(entry))
            return track;
    }
    return 0;
}

WriteJob BuildWriteJob(const PlayList& list)
{
    if (const int changed = FirstChangedTrack(list))
        return {std::nullopt, changedTrackMessage(list, changed)};
    const CdTextSet texts = discTexts(list);
    const CdTextPacks packs = BuildCdTextPacks(texts);
    if (!packs.writable())
        return {std::nullopt, cdtextmessages::refusal(packs)};
    BurnJob job;
    for (int track = 1; track <= list.TrackCount(); ++track)
        job.trackFiles << list.TrackAt(track).path;
    for (const CdTextEntry& track : texts.tracks)
        job.isrcs << track.code;
    job.catalog = texts.disc.code;
    job.cdTextFile = packs.file;
    job.discFrames = FindBurnerChanges(list).discFrames;
    return {job, {}};
}

// The notes come as the CUE command's question; the dialog shows them
// without its last line, the question itself.
QString WriteNotes(const PlayList& list)
{
    const auto notes = cuemessages::discNotes(list, FindBurnerChanges(list), FindPlantNotes(discTexts(list)));
    if (!notes)
        return {};
    QStringList lines = notes->split(QStringLiteral("\r\n"));
    lines.removeLast();
    return lines.join(u'\n').trimmed();
}
