#include "mute_editing.h"

#include <QCoreApplication>

#include <cmath>
#include <limits>

#include "cd_frame.h"
#include "numeric_prefix.h"
#include "play_list.h"
#include "track_name.h"

namespace {

using cdframe::BytesPerHour;
using cdframe::BytesPerMinute;
using cdframe::BytesPerSecond;
constexpr qint64 BytesPerFrame = cdframe::Bytes;
constexpr qint64 Int32Max = std::numeric_limits<int32_t>::max();

// The longest mute a track can carry: its audible end and the RIFF size of
// the file that saving it writes must both stay within 32 bits.
qint64 longestMute(const TrackRecord& r)
{
    return Int32Max - (static_cast<qint64>(r.dataBytes) + r.dataOffset - 8);
}

// A typed count: the numeric prefix, rounded down, made positive.
double typedCount(const QString& text)
{
    return std::fabs(std::floor(NumericPrefix(text)));
}

// The rows below a changed mute shift: both rows of s..TrackCount, the play
// bar and the commands.
ListChange mutesChanged(PlayList& list, int first)
{
    list.UpdateTimeline(first, list.TrackCount());
    ListChange change;
    change.changed = true;
    for (int i = first; i <= list.TrackCount(); ++i) {
        change.trackRows.append(i);
        change.muteRows.append(i);
    }
    change.redrawPlayBar = true;
    change.refreshCommands = true;
    change.enableSaveCommands = true;
    return change;
}

}  // namespace

MuteParts MuteEditing::SplitMute(int32_t muteAdjustBytes)
{
    const qint64 a = std::abs(static_cast<qint64>(muteAdjustBytes));
    const qint64 rest = a % BytesPerMinute;
    MuteParts parts;
    parts.negative = muteAdjustBytes < 0;
    parts.minutes = static_cast<int>((a % BytesPerHour) / BytesPerMinute);
    parts.seconds = static_cast<int>(rest / BytesPerSecond);
    parts.frames = static_cast<int>(rest % BytesPerSecond / BytesPerFrame);
    return parts;
}

QString MuteEditing::MutePrompt(const PlayList& list, int s)
{
    return QCoreApplication::translate("MuteEditing", "%1のMute Lengthを入力してください").arg(TrackName(list, s));
}

DialogOutcome MuteEditing::ApplyMute(PlayList& list, int s, bool negative, const QString& minutesText,
                                     const QString& secondsText, const QString& framesText)
{
    DialogOutcome outcome;
    const double b = typedCount(minutesText) * BytesPerMinute + typedCount(secondsText) * BytesPerSecond
        + typedCount(framesText) * BytesPerFrame;
    TrackRecord& r = list.TrackAt(s).record;
    if (!std::isfinite(b) || b > Int32Max || (!negative && b > longestMute(r))) {
        outcome.message = TooLongMessage();
        return outcome;
    }
    const int32_t bytes = static_cast<int32_t>(b);
    // A refused input leaves everything as it was, the undo copy of the
    // previous command included.
    if (negative && bytes > r.postMuteBytes) {
        outcome.message = BeyondPostMuteMessage();
        return outcome;
    }
    list.SaveUndo();
    r.muteAdjustBytes = negative ? -bytes : bytes;
    outcome.change = mutesChanged(list, s);
    return outcome;
}

void MuteEditing::AutoMuteTrack(PlayList& list, int i, int32_t autoMute)
{
    TrackRecord& r = list.TrackAt(i).record;
    // After the last track there is no next track: its leading silence
    // counts 0, whatever a slot above the end may still hold.
    const qint64 nextPreMute = i < list.TrackCount() ? list.TrackAt(i + 1).record.preMuteBytes : 0;
    const qint64 gap = (r.postMuteBytes / BytesPerFrame + nextPreMute / BytesPerFrame) * BytesPerFrame;
    qint64 mute = static_cast<qint64>(autoMute) * BytesPerFrame - gap;
    if (mute < -static_cast<qint64>(r.postMuteBytes))
        mute = -(r.postMuteBytes / BytesPerFrame) * BytesPerFrame;
    r.muteAdjustBytes = static_cast<int32_t>(std::min(mute, longestMute(r)));
}

ListChange MuteEditing::AutoMuteOne(PlayList& list, int32_t autoMute)
{
    const int s = list.SelectedTrack();
    if (s < 1 || s > list.TrackCount())
        return {};
    list.SaveUndo();
    AutoMuteTrack(list, s, autoMute);
    return mutesChanged(list, s);
}

ListChange MuteEditing::AutoMuteAll(PlayList& list, int32_t autoMute)
{
    if (list.TrackCount() == 0)
        return {};
    list.SaveUndo();
    for (int i = 1; i <= list.TrackCount() - 1; ++i)
        AutoMuteTrack(list, i, autoMute);
    return mutesChanged(list, 1);
}

EditMessage MuteEditing::TooLongMessage()
{
    return {QCoreApplication::translate("MuteEditing", "設定したMUTE時間は長すぎます"), QCoreApplication::translate("MuteEditing", "ｴﾗｰ")};
}

EditMessage MuteEditing::BeyondPostMuteMessage()
{
    return {QCoreApplication::translate("MuteEditing", "ﾏｲﾅｽのMUTE時間がPostMuteを超える設定は出来ません"), QCoreApplication::translate("MuteEditing", "ｴﾗｰ")};
}
