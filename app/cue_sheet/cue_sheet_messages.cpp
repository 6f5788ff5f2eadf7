#include "cue_sheet_messages.h"

#include "burner_changes.h"
#include "cd_time.h"
#include "plant_notes.h"
#include "play_list.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace cuemessages {

namespace {

const QString NewLine = QStringLiteral("\r\n");

// "No.", the track, ":" and its title in double quotes, as the save dialog
// names a track.
QString trackName(const PlayList& list, int track)
{
    return QCoreApplication::translate("CueSheetMessages", "No.") + QString::number(track) + u':' + u'"' + list.TrackAt(track).title + u'"';
}

QString trackLines(const PlayList& list, const QList<int>& tracks)
{
    QString lines;
    for (const int track : tracks)
        lines += trackName(list, track) + NewLine;
    return lines;
}

// What a burner will change; changes.any() holds.
QString burnerChanges(const PlayList& list, const BurnerChanges& changes)
{
    QString text = QCoreApplication::translate("CueSheetMessages", "書き込みｿﾌﾄはﾃﾞｨｽｸを以下のように変えます。") + NewLine;
    if (!changes.paddedTracks.isEmpty())
        text += NewLine + QCoreApplication::translate("CueSheetMessages", "長さがCDの1ﾌﾚｰﾑ(2352ﾊﾞｲﾄ)の倍数でないﾄﾗｯｸ:") + NewLine +
                QCoreApplication::translate("CueSheetMessages", "末尾に最大1/75秒の無音が補われます。") + NewLine +
                trackLines(list, changes.paddedTracks);
    if (!changes.shortTracks.isEmpty())
        text += NewLine + QCoreApplication::translate("CueSheetMessages", "4秒より短いﾄﾗｯｸ:") + NewLine +
                QCoreApplication::translate("CueSheetMessages", "CDのﾄﾗｯｸの最短の長さに足りず、書き込みを拒む書き込みｿﾌﾄがあります。") + NewLine +
                trackLines(list, changes.shortTracks);
    if (changes.overCapacity())
        text += NewLine + QCoreApplication::translate("CueSheetMessages", "合計時間 ") + FormatCdTime(changes.discFrames * BurnerChanges::FrameBytes) +
                QCoreApplication::translate("CueSheetMessages", " が80分ﾃﾞｨｽｸの容量 ") +
                FormatCdTime(BurnerChanges::CapacityFrames * BurnerChanges::FrameBytes) +
                QCoreApplication::translate("CueSheetMessages", " を超えています。") + NewLine;
    return text;
}

// What a pressing plant would miss; notes.any() holds.
QString plantNotes(const PlayList& list, const PlantNotes& notes)
{
    QString text = QCoreApplication::translate("CueSheetMessages", "ﾌﾟﾚｽ工場へのﾏｽﾀｰとしては、以下のｺｰﾄﾞが足りません。") + NewLine;
    if (!notes.tracksWithoutIsrc.isEmpty())
        text += NewLine + QCoreApplication::translate("CueSheetMessages", "ISRCのないﾄﾗｯｸ (ほかのﾄﾗｯｸにはあります):") + NewLine +
                trackLines(list, notes.tracksWithoutIsrc);
    if (notes.noCatalog)
        text += NewLine + QCoreApplication::translate("CueSheetMessages", "ﾃﾞｨｽｸのｶﾀﾛｸﾞ番号(UPC/JAN)がありません (ﾄﾗｯｸにはISRCがあります)。") + NewLine;
    return text;
}

}  // namespace

QString caption()
{
    return QCoreApplication::translate("CueSheetMessages", "CUEｼｰﾄの書き出し");
}

QString sheetFilter()
{
    return QCoreApplication::translate("CueSheetMessages", "CUEｼｰﾄ (*.cue)|*.cue");
}

QString confirmReplace(const QString& path)
{
    return QFileInfo(path).fileName() + QCoreApplication::translate("CueSheetMessages", "は既に存在します。") + NewLine +
           QCoreApplication::translate("CueSheetMessages", "上書きします。よろしいですか？");
}

QString unsafeName(const PlayList& list, int which)
{
    if (which == 0)
        return QCoreApplication::translate("CueSheetMessages", "CUEｼｰﾄのﾌｧｲﾙ名に改行などの制御文字か二重引用符(\")が含まれています。") + NewLine +
               QCoreApplication::translate("CueSheetMessages", "別の名前を指定してください。");
    return trackName(list, which) +
           QCoreApplication::translate("CueSheetMessages", "のﾌｧｲﾙ名に改行などの制御文字か二重引用符(\")が含まれているため、CUEｼｰﾄに書けません。") +
           NewLine + QCoreApplication::translate("CueSheetMessages", "ﾌｧｲﾙ名を変えてから開き直してください。");
}

std::optional<QString> discNotes(const PlayList& list, const BurnerChanges& changes, const PlantNotes& notes)
{
    if (!changes.any() && !notes.any())
        return std::nullopt;
    QString text;
    if (changes.any())
        text += burnerChanges(list, changes);
    if (notes.any())
        text += (text.isEmpty() ? QString() : NewLine) + plantNotes(list, notes);
    return text + NewLine + QCoreApplication::translate("CueSheetMessages", "よろしいですか？");
}

QString writeFailed(const QString& error)
{
    return QCoreApplication::translate("CueSheetMessages", "CUEｼｰﾄを書き込めません") + NewLine + error;
}

}  // namespace cuemessages
