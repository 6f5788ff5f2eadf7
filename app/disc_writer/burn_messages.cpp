#include "burn_messages.h"

#include "burner_output.h"
#include "cd_frame.h"
#include "cd_time.h"

#include <QCoreApplication>

namespace burnmessages {

namespace {

const QString NewLine = QStringLiteral("\r\n");

QString problemLines(const QStringList& problems)
{
    return problems.isEmpty() ? QString() : NewLine + NewLine + problems.join(NewLine);
}

QString timeOf(qint64 frames)
{
    return FormatCdTime(frames * cdframe::Bytes);
}

}  // namespace

QString caption()
{
    return QCoreApplication::translate("BurnMessages", "CD-Rへの書き込み");
}

QString notInstalled()
{
    return QCoreApplication::translate("BurnMessages", "書き込みｿﾌﾄ cdrskin が見つかりません。") + NewLine +
           QCoreApplication::translate("BurnMessages", "Debianでは cdrskin ﾊﾟｯｹｰｼﾞを入れてください。(sudo apt install cdrskin)");
}

QString noDrive()
{
    return QCoreApplication::translate("BurnMessages", "書き込みできるﾄﾞﾗｲﾌﾞが見つかりません。") + NewLine + QCoreApplication::translate("BurnMessages", "ﾄﾞﾗｲﾌﾞをつないでから再検索してください。");
}

QString notWritable(const QString& device, const QString& group)
{
    return device + QCoreApplication::translate("BurnMessages", " を開く権限がありません。") + NewLine + QCoreApplication::translate("BurnMessages", "ｸﾞﾙｰﾌﾟ\"") + group +
           QCoreApplication::translate("BurnMessages", "\"に加わってから、ﾛｸﾞｲﾝし直してください。") + NewLine + QCoreApplication::translate("BurnMessages", "(sudo adduser ﾕｰｻﾞｰ名 ") + group + u')';
}

QString driveInUse(const QString& device)
{
    return device + QCoreApplication::translate("BurnMessages", " は他のﾌﾟﾛｸﾞﾗﾑが使用中です。") + NewLine + QCoreApplication::translate("BurnMessages", "そのﾌﾟﾛｸﾞﾗﾑを終えてから、もう一度試してください。");
}

QString mediumUnreadable(const QStringList& problems)
{
    return QCoreApplication::translate("BurnMessages", "ﾃﾞｨｽｸの状態を読み取れません。") + problemLines(problems);
}

QString noDisc()
{
    return QCoreApplication::translate("BurnMessages", "ﾄﾞﾗｲﾌﾞにﾃﾞｨｽｸがありません。") + NewLine + QCoreApplication::translate("BurnMessages", "ﾌﾞﾗﾝｸﾃﾞｨｽｸを入れてOKを押してください。");
}

QString notBlank()
{
    return QCoreApplication::translate("BurnMessages", "ﾃﾞｨｽｸはﾌﾞﾗﾝｸではありません。") + NewLine + QCoreApplication::translate("BurnMessages", "ﾌﾞﾗﾝｸﾃﾞｨｽｸに入れ替えてOKを押してください。");
}

QString tooSmall(qint64 discFrames, qint64 capacityFrames)
{
    return QCoreApplication::translate("BurnMessages", "合計時間 ") + timeOf(discFrames) + QCoreApplication::translate("BurnMessages", " がﾃﾞｨｽｸの容量 ") + timeOf(capacityFrames) +
           QCoreApplication::translate("BurnMessages", " を超えています。") + NewLine + QCoreApplication::translate("BurnMessages", "容量の大きいﾃﾞｨｽｸに入れ替えてOKを押してください。");
}

QString confirmBlank()
{
    return QCoreApplication::translate("BurnMessages", "ﾃﾞｨｽｸ(CD-RW)はﾌﾞﾗﾝｸではありません。") + NewLine + QCoreApplication::translate("BurnMessages", "高速消去してから書き込みます。よろしいですか？");
}

QString nextDisc(int copy, int copies)
{
    return QCoreApplication::translate("BurnMessages", "%1枚目(全%2枚)のﾌﾞﾗﾝｸﾃﾞｨｽｸを入れてOKを押してください。").arg(copy).arg(copies);
}

QString cdTextFileFailed(const QString& error)
{
    return QCoreApplication::translate("BurnMessages", "CD-TEXTのﾌｧｲﾙを作れません") + NewLine + error;
}

QString invalidCode()
{
    return QCoreApplication::translate("BurnMessages", "ｶﾀﾛｸﾞ番号(UPC/JAN)かISRCが正しくないため、書き込めません。") + NewLine +
           QCoreApplication::translate("BurnMessages", "CD-TEXTの編集で直してください。");
}

QString writeFailed(const QStringList& problems)
{
    return QCoreApplication::translate("BurnMessages", "書き込みに失敗しました。") + problemLines(problems);
}

QString writeFailedGoOn(const QStringList& problems, int nextCopy, int copies)
{
    return writeFailed(problems) + NewLine + NewLine +
           QCoreApplication::translate("BurnMessages", "%1枚目(全%2枚)に進みますか？").arg(nextCopy).arg(copies);
}

QString confirmCancel(bool simulated)
{
    if (simulated)
        return QCoreApplication::translate("BurnMessages", "書き込みﾃｽﾄを中止します。よろしいですか？");
    return QCoreApplication::translate("BurnMessages", "書き込みを中止します。") + NewLine + QCoreApplication::translate("BurnMessages", "中止したﾃﾞｨｽｸは使えなくなります。よろしいですか？");
}

QString cancelled(bool simulated)
{
    if (simulated)
        return QCoreApplication::translate("BurnMessages", "書き込みﾃｽﾄを中止しました。");
    return QCoreApplication::translate("BurnMessages", "書き込みを中止しました。") + NewLine + QCoreApplication::translate("BurnMessages", "このﾃﾞｨｽｸは使えません。");
}

QString summary(int written, int failed, bool simulated)
{
    QString text = QCoreApplication::translate("BurnMessages", "書き込みが終わりました。") + NewLine + QCoreApplication::translate("BurnMessages", "書き込み: %1枚  失敗: %2枚").arg(written).arg(failed);
    if (simulated)
        text += NewLine + QCoreApplication::translate("BurnMessages", "書き込みﾃｽﾄのため、ﾃﾞｨｽｸには何も書き込まれていません。");
    return text;
}

QString copyLine(int copy, int copies)
{
    return QCoreApplication::translate("BurnMessages", "%1枚目 / 全%2枚").arg(copy).arg(copies);
}

QString writtenLine(const BurnProgress& progress)
{
    return QCoreApplication::translate("BurnMessages", "ﾄﾗｯｸ%1  %2 / %3 MB").arg(progress.track).arg(progress.writtenMb).arg(progress.totalMb);
}

QString bufferLine(const BurnProgress& progress)
{
    return QCoreApplication::translate("BurnMessages", "ﾄﾞﾗｲﾌﾞのﾊﾞｯﾌｧ: %1%").arg(progress.bufferPercent.value_or(0));
}

QString speedLine(const BurnProgress& progress)
{
    return QCoreApplication::translate("BurnMessages", "速度: %1倍速").arg(progress.speed, 0, 'f', 1);
}

QString fixating()
{
    return QCoreApplication::translate("BurnMessages", "ﾌｧｲﾅﾗｲｽﾞ中...");
}

QString totalTime(qint64 discFrames)
{
    return QCoreApplication::translate("BurnMessages", "合計時間 ") + timeOf(discFrames);
}

QString timeAgainstCapacity(qint64 discFrames, qint64 capacityFrames)
{
    return QCoreApplication::translate("BurnMessages", "合計時間 ") + timeOf(discFrames) + QCoreApplication::translate("BurnMessages", " / ﾃﾞｨｽｸの容量 ") + timeOf(capacityFrames);
}

QString highestSpeed()
{
    return QCoreApplication::translate("BurnMessages", "最高速");
}

QString speedChoice(int speed)
{
    return QCoreApplication::translate("BurnMessages", "%1倍速").arg(speed);
}

}  // namespace burnmessages
