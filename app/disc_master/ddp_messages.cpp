#include "ddp_messages.h"

#include "system_error_text.h"
#include "play_list.h"

#include <QCoreApplication>

namespace ddpmessages {

namespace {

const QString NewLine = QStringLiteral("\r\n");

// "No.", the track, ":" and its title in double quotes, as the save dialog
// names a track.
QString trackName(const PlayList& list, int track)
{
    return QStringLiteral("No.") + QString::number(track) + u':' + u'"' + list.TrackAt(track).title + u'"';
}

QString trackFailure(const PlayList& list, const ImageFailure& failure)
{
    const QString track = trackName(list, failure.track);
    switch (failure.kind) {
    case ImageFailure::Kind::TrackChanged:
        return track + QCoreApplication::translate("DdpMessages", "のﾌｧｲﾙは保存した後に変更されています。") + NewLine +
               QCoreApplication::translate("DdpMessages", "保存し直してから書き出してください。");
    case ImageFailure::Kind::TrackCutShort:
        return track + QCoreApplication::translate("DdpMessages", "のﾌｧｲﾙ: ") + FileCutShortText();
    default:
        return track + QCoreApplication::translate("DdpMessages", "のﾌｧｲﾙ: ") + SystemErrorText(failure.error);
    }
}

}  // namespace

QString imageCaption()
{
    return QCoreApplication::translate("DdpMessages", "DDPｲﾒｰｼﾞの書き出し");
}

QString folderFilter()
{
    return QCoreApplication::translate("DdpMessages", "DDPｲﾒｰｼﾞのﾌｫﾙﾀﾞ (*)|*");
}

QString writingImage(const QString& folderName)
{
    return folderName + QCoreApplication::translate("DdpMessages", "を書き出しています");
}

QString sheetCaption()
{
    return QCoreApplication::translate("DdpMessages", "PQｼｰﾄの書き出し");
}

QString sheetFilter()
{
    return QCoreApplication::translate("DdpMessages", "PQｼｰﾄ (*.pdf)|*.pdf");
}

QString folderExists(const QString& folderName)
{
    return folderName + QCoreApplication::translate("DdpMessages", "は既に存在します。") + NewLine +
           QCoreApplication::translate("DdpMessages", "別の名前を指定してください。");
}

QString shortTracks(const PlayList& list, const QList<int>& tracks)
{
    QString text = QCoreApplication::translate("DdpMessages", "4秒より短いﾄﾗｯｸがあるため、DDPｲﾒｰｼﾞを書き出せません。") + NewLine +
                   QCoreApplication::translate("DdpMessages", "ﾌﾟﾚｽ工場はCDのﾄﾗｯｸの最短の長さに足りないﾄﾗｯｸをﾌﾟﾚｽしません。") +
                   NewLine + NewLine;
    for (const int track : tracks)
        text += trackName(list, track) + NewLine;
    return text;
}

QString imageFailed(const PlayList& list, const ImageFailure& failure)
{
    const QString heading = QCoreApplication::translate("DdpMessages", "DDPｲﾒｰｼﾞを書き込めません") + NewLine;
    switch (failure.kind) {
    case ImageFailure::Kind::Cancelled:
        return {};
    case ImageFailure::Kind::FolderExists:
        return heading + QCoreApplication::translate("DdpMessages", "同じ名前のﾌｫﾙﾀﾞが作られました。");
    case ImageFailure::Kind::WriteFailed:
        return heading + SystemErrorText(failure.error);
    default:
        return heading + trackFailure(list, failure);
    }
}

QString sheetFailed(const QString& error)
{
    return QCoreApplication::translate("DdpMessages", "PQｼｰﾄを書き込めません") + NewLine + error;
}

}  // namespace ddpmessages
