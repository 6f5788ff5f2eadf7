#include "DdpCheckMessages.h"

#include "image_checks.h"
#include "system_error_text.h"

#include <QCoreApplication>

namespace ddpcheckmessages {

namespace {

const QString NewLine = QStringLiteral("\r\n");

QString track(int number)
{
    return QCoreApplication::translate("DdpCheckMessages", "ﾄﾗｯｸ%1").arg(number, 2, 10, QChar(u'0'));
}

QString noteText(const TakeNote& note)
{
    const QString of = note.track > 0 ? track(note.track) + QStringLiteral(": ") : QString();
    switch (note.kind) {
    case TakeNote::Kind::LaterIndexes: return of + QCoreApplication::translate("DdpCheckMessages", "INDEX 02以降の点");
    case TakeNote::Kind::PauseWithAudio:
        return of + QCoreApplication::translate("DdpCheckMessages", "音のあるﾎﾟｰｽﾞ (前のﾄﾗｯｸの終わりに入れました)");
    case TakeNote::Kind::PreGapLength:
        return of + QCoreApplication::translate("DdpCheckMessages", "2秒ではないﾌﾟﾘｷﾞｬｯﾌﾟ (書き出すと2秒になります)");
    case TakeNote::Kind::PreGapAudio: return of + QCoreApplication::translate("DdpCheckMessages", "ﾌﾟﾘｷﾞｬｯﾌﾟの音");
    case TakeNote::Kind::AfterLeadOut: return QCoreApplication::translate("DdpCheckMessages", "ﾘｰﾄﾞｱｳﾄより後のﾃﾞｰﾀ");
    case TakeNote::Kind::Control:
        return of + QCoreApplication::translate("DdpCheckMessages", "ｺﾝﾄﾛｰﾙﾌﾗｸﾞ (ﾌﾟﾘｴﾝﾌｧｼｽ、ｺﾋﾟｰ許可)");
    case TakeNote::Kind::TrackMessage: return of + QCoreApplication::translate("DdpCheckMessages", "CD-TEXTのﾒｯｾｰｼﾞ");
    case TakeNote::Kind::OtherBlocks:
        return QCoreApplication::translate("DdpCheckMessages", "CD-TEXTの他の言語のﾌﾞﾛｯｸ");
    }
    return {};
}

}  // namespace

QString openCaption()
{
    return QCoreApplication::translate("DdpCheckMessages", "DDPｲﾒｰｼﾞを開く");
}

QString checking(const QString& folderName)
{
    return folderName + QCoreApplication::translate("DdpCheckMessages", "を確認しています");
}

QString refused(const QString& folderName, const ImageRefusal& refusal)
{
    const QString heading = folderName + QCoreApplication::translate("DdpCheckMessages", "はDDPｲﾒｰｼﾞとして読めません") + NewLine;
    switch (refusal.kind) {
    case ImageRefusal::Kind::NoIdentity:
        return heading + QCoreApplication::translate("DdpCheckMessages", "DDPIDがありません。");
    case ImageRefusal::Kind::BadIdentity: return heading + QStringLiteral("DDPID: ") + RecordFaultText(*refusal.fault);
    case ImageRefusal::Kind::NoMap: return heading + QCoreApplication::translate("DdpCheckMessages", "DDPMSがありません。");
    case ImageRefusal::Kind::BadMap: return heading + QStringLiteral("DDPMS: ") + RecordFaultText(*refusal.fault);
    case ImageRefusal::Kind::NoMainData:
        return heading + QCoreApplication::translate("DdpCheckMessages", "DDPMSに音声のﾒｲﾝﾃﾞｰﾀ(D0)がありません。");
    case ImageRefusal::Kind::Unreadable: return heading + SystemErrorText(refusal.error);
    }
    return heading;
}

QString takeCaption()
{
    return QCoreApplication::translate("DdpCheckMessages", "ﾘｽﾄへの取り込み");
}

QString takeFilter()
{
    return QCoreApplication::translate("DdpCheckMessages", "ﾄﾗｯｸのﾌｫﾙﾀﾞ (*)|*");
}

QString taking(const QString& folderName)
{
    return folderName + QCoreApplication::translate("DdpCheckMessages", "にﾄﾗｯｸを書き出しています");
}

QString replaceQuestion()
{
    return QCoreApplication::translate("DdpCheckMessages", "編集内容が保存されていません。") + NewLine +
           QCoreApplication::translate("DdpCheckMessages", "ﾘｽﾄに取り込むと現在のﾘｽﾄと編集内容は失われます。よろしいですか？");
}

QString takeRefused(const TakeRefusal& refusal, int maxTracks)
{
    const QString heading = QCoreApplication::translate("DdpCheckMessages", "このDDPｲﾒｰｼﾞはﾘｽﾄに取り込めません") + NewLine;
    switch (refusal.kind) {
    case TakeRefusal::Kind::MainData:
        return heading + QCoreApplication::translate("DdpCheckMessages", "ﾒｲﾝﾃﾞｰﾀのﾌｧｲﾙを読めません。");
    case TakeRefusal::Kind::Pq:
        return heading + QCoreApplication::translate("DdpCheckMessages", "PQのﾄﾗｯｸとｲﾝﾃﾞｯｸｽが正しくありません。");
    case TakeRefusal::Kind::TooManyTracks:
        return heading + QCoreApplication::translate("DdpCheckMessages", "%1ﾄﾗｯｸあります。ﾘｽﾄには%2ﾄﾗｯｸまでしか入りません。")
                             .arg(refusal.track)
                             .arg(maxTracks);
    case TakeRefusal::Kind::BeyondStream:
        return heading + track(refusal.track) +
               QCoreApplication::translate("DdpCheckMessages", "のPQの時間がﾒｲﾝﾃﾞｰﾀの外にあります。");
    }
    return heading;
}

QString takeFailed(const TakeFailure& failure)
{
    const QString heading = QCoreApplication::translate("DdpCheckMessages", "ﾄﾗｯｸを書き出せません") + NewLine;
    switch (failure.kind) {
    case TakeFailure::Kind::Cancelled: return {};
    case TakeFailure::Kind::FolderExists:
        return heading + QCoreApplication::translate("DdpCheckMessages", "同じ名前のﾌｫﾙﾀﾞが作られました。");
    case TakeFailure::Kind::ReadFailed:
        return heading + QCoreApplication::translate("DdpCheckMessages", "ﾒｲﾝﾃﾞｰﾀ: ") +
               (failure.error == 0 ? FileCutShortText() : SystemErrorText(failure.error));
    case TakeFailure::Kind::WriteFailed: return heading + SystemErrorText(failure.error);
    }
    return heading;
}

QString taken(int written, int listed, const QList<TakeNote>& notes, bool silences)
{
    QString text = written == listed
                       ? QCoreApplication::translate("DdpCheckMessages", "%1ﾄﾗｯｸをﾘｽﾄに取り込みました。").arg(listed)
                       : QCoreApplication::translate("DdpCheckMessages", "%1ﾄﾗｯｸのうち%2ﾄﾗｯｸをﾘｽﾄに取り込みました。")
                             .arg(written)
                             .arg(listed);
    if (silences)
        text += NewLine + NewLine +
                QCoreApplication::translate("DdpCheckMessages", "無音のﾎﾟｰｽﾞは前のﾄﾗｯｸのMute Lengthになりました。") + NewLine +
                QCoreApplication::translate("DdpCheckMessages",
                                            "DDPｲﾒｰｼﾞの書き出しやCD-Rへの書き込みの前に上書き保存してください。");
    if (!notes.isEmpty())
        text += NewLine + NewLine + QCoreApplication::translate("DdpCheckMessages", "ﾘｽﾄに入らなかったもの:");
    for (const TakeNote& note : notes)
        text += NewLine + noteText(note);
    return text;
}

}  // namespace ddpcheckmessages
