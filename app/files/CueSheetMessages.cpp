#include "CueSheetMessages.h"

#include "BurnerChanges.h"
#include "cd_time.h"
#include "play_list.h"

#include <QFileInfo>

namespace cuemessages {

namespace {

const QString NewLine = QStringLiteral("\r\n");

// "No.", the track, ":" and its title in double quotes, as the save dialog
// names a track.
QString trackName(const PlayList& list, int track)
{
    return QStringLiteral("No.") + QString::number(track) + u':' + u'"' + list.TrackAt(track).title + u'"';
}

QString trackLines(const PlayList& list, const QList<int>& tracks)
{
    QString lines;
    for (const int track : tracks)
        lines += trackName(list, track) + NewLine;
    return lines;
}

}  // namespace

QString caption()
{
    return QStringLiteral("CUEｼｰﾄの書き出し");
}

QString sheetFilter()
{
    return QStringLiteral("CUEｼｰﾄ (*.cue)|*.cue");
}

QString confirmReplace(const QString& path)
{
    return QFileInfo(path).fileName() + QStringLiteral("は既に存在します。") + NewLine +
           QStringLiteral("上書きします。よろしいですか？");
}

QString unsafeName(const PlayList& list, int which)
{
    if (which == 0)
        return QStringLiteral("CUEｼｰﾄのﾌｧｲﾙ名に改行などの制御文字が含まれています。") + NewLine +
               QStringLiteral("別の名前を指定してください。");
    return trackName(list, which) +
           QStringLiteral("のﾌｧｲﾙ名に改行などの制御文字か二重引用符(\")が含まれているため、CUEｼｰﾄに書けません。") +
           NewLine + QStringLiteral("ﾌｧｲﾙ名を変えてから開き直してください。");
}

QString burnerChanges(const PlayList& list, const BurnerChanges& changes)
{
    QString text = QStringLiteral("書き込みｿﾌﾄはﾃﾞｨｽｸを以下のように変えます。") + NewLine;
    if (!changes.paddedTracks.isEmpty())
        text += NewLine + QStringLiteral("長さがCDの1ﾌﾚｰﾑ(2352ﾊﾞｲﾄ)の倍数でないﾄﾗｯｸ:") + NewLine +
                QStringLiteral("末尾に最大1/75秒の無音が補われます。") + NewLine +
                trackLines(list, changes.paddedTracks);
    if (!changes.shortTracks.isEmpty())
        text += NewLine + QStringLiteral("4秒より短いﾄﾗｯｸ:") + NewLine +
                QStringLiteral("CDのﾄﾗｯｸの最短の長さに足りず、書き込みを拒む書き込みｿﾌﾄがあります。") + NewLine +
                trackLines(list, changes.shortTracks);
    if (changes.overCapacity())
        text += NewLine + QStringLiteral("合計時間 ") + FormatCdTime(changes.discFrames * BurnerChanges::FrameBytes) +
                QStringLiteral(" が80分ﾃﾞｨｽｸの容量 ") +
                FormatCdTime(BurnerChanges::CapacityFrames * BurnerChanges::FrameBytes) +
                QStringLiteral(" を超えています。") + NewLine;
    return text + NewLine + QStringLiteral("よろしいですか？");
}

QString writeFailed(const QString& error)
{
    return QStringLiteral("CUEｼｰﾄを書き込めません") + NewLine + error;
}

}  // namespace cuemessages
