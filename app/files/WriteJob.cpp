#include "WriteJob.h"

#include "BurnerChanges.h"
#include "CueSheet.h"
#include "CueSheetMessages.h"
#include "cd_text_messages.h"
#include "cd_text_packs.h"
#include "listed_audio.h"
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

// The sheet the CUE command proposes: the disc's title falls back to its name.
QString proposedSheet(const PlayList& list)
{
    return QFileInfo(list.TrackAt(1).path).absolutePath() + QStringLiteral("/disc.cue");
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
    const CdTextPacks packs = BuildCdTextPacks(CueCdTexts(list, proposedSheet(list)));
    if (!packs.writable())
        return {std::nullopt, cdtextmessages::refusal(packs)};
    BurnJob job;
    for (int track = 1; track <= list.TrackCount(); ++track)
        job.trackFiles << list.TrackAt(track).path;
    job.cdTextFile = packs.file;
    job.discFrames = FindBurnerChanges(list).discFrames;
    return {job, {}};
}

QString WriteNotes(const PlayList& list)
{
    const BurnerChanges changes = FindBurnerChanges(list);
    if (!changes.any())
        return {};
    QStringList lines = cuemessages::burnerChanges(list, changes).split(QStringLiteral("\r\n"));
    lines.removeLast();
    return lines.join(u'\n').trimmed();
}
