#include "ddp_messages.h"

#include "system_error_text.h"
#include "play_list.h"
#include "track_name.h"

#include <QCoreApplication>

namespace ddpmessages {

namespace {

const QString NewLine = QStringLiteral("\r\n");

QString trackFailure(const PlayList& list, const ImageFailure& failure)
{
    const QString track = TrackName(list, failure.track);
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

// A code the image's fields cannot hold as it is, named with its track (0:
// the disc's catalog number).
QString invalidCode(const PlayList& list, int track)
{
    const QString code = track == 0
                             ? QCoreApplication::translate("DdpMessages", "ﾃﾞｨｽｸのｶﾀﾛｸﾞ番号(UPC/JAN)")
                             : TrackName(list, track) + QCoreApplication::translate("DdpMessages", "のISRC");
    return code + QCoreApplication::translate("DdpMessages", "が正しくありません。") + NewLine +
           QCoreApplication::translate("DdpMessages", "CD-TEXTの編集で直してください。");
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
        text += TrackName(list, track) + NewLine;
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
    case ImageFailure::Kind::InvalidCode:
        return heading + invalidCode(list, failure.track);
    default:
        return heading + trackFailure(list, failure);
    }
}

QString imageWritten(const QString& folder, const QString& sheet, bool offerCheck)
{
    QString text = QCoreApplication::translate("DdpMessages", "DDPｲﾒｰｼﾞを書き出しました。") + NewLine + NewLine +
                   QCoreApplication::translate("DdpMessages", "ﾌｫﾙﾀﾞ: ") + folder;
    if (!sheet.isEmpty())
        text += NewLine + QCoreApplication::translate("DdpMessages", "PQｼｰﾄ: ") + sheet;
    if (offerCheck)
        text += NewLine + NewLine + QCoreApplication::translate("DdpMessages", "今すぐｲﾒｰｼﾞを確認しますか？");
    return text;
}

QString sheetFailed(const QString& error)
{
    return QCoreApplication::translate("DdpMessages", "PQｼｰﾄを書き込めません") + NewLine + error;
}

}  // namespace ddpmessages
