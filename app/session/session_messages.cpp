#include "session_messages.h"

#include "ProgramTitle.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace sessionmessages {

namespace {

const QString NewLine = QStringLiteral("\r\n");

QString verdictReason(const TrackNote& note)
{
    if (note.duplicate)
        return QCoreApplication::translate("ListSession", "既に開かれているため、追加しませんでした");
    switch (note.verdict) {
    case TrackVerdict::Changed:
        return note.listed ? QCoreApplication::translate("ListSession", "記録された後にﾌｧｲﾙが変更されていたため、解析し直しました(編集内容は破棄しました)")
                           : QCoreApplication::translate("ListSession", "記録された後にﾌｧｲﾙが変更されていて、解析し直せなかったため、追加しませんでした");
    case TrackVerdict::Unsound:
        return note.listed ? QCoreApplication::translate("ListSession", "記録された編集内容が正しくないため、解析し直しました(編集内容は破棄しました)")
                           : QCoreApplication::translate("ListSession", "記録された編集内容が正しくなく、解析し直せなかったため、追加しませんでした");
    case TrackVerdict::Missing:
        return QCoreApplication::translate("ListSession", "見つからないか読み込めないため、追加しませんでした");
    case TrackVerdict::NotWav:
        return QCoreApplication::translate("ListSession", "ｳｪｰﾌﾞﾌｧｲﾙではないため、追加しませんでした");
    case TrackVerdict::Stored:
        return QCoreApplication::translate("ListSession", "ﾘｽﾄに空きがないため、追加しませんでした");
    }
    return {};
}

QString noteReason(const TrackNote& note)
{
    if (!note.kept)
        return verdictReason(note);
    return verdictReason(note) + NewLine + QStringLiteral("  ") +
           QCoreApplication::translate("ListSession", "編集内容は控えに残してあり、次回の起動時にもう一度復元できます");
}

// "The list file "name" is," then the reason on its own line.
QString aboutListFile(const QString& name)
{
    return QCoreApplication::translate("ListSession", "ﾘｽﾄﾌｧｲﾙ\"%1\"は、").arg(name) + NewLine;
}

}  // namespace

QString openCaption()
{
    return QCoreApplication::translate("ListSession", "ﾘｽﾄを開く");
}

QString saveCaption()
{
    return QCoreApplication::translate("ListSession", "ﾘｽﾄの保存");
}

QString listFilter()
{
    return QCoreApplication::translate("ListSession", "Sonvelleﾘｽﾄ(*.sonvelle)") + QStringLiteral("|*.sonvelle");
}

QString listEnding()
{
    return QStringLiteral(".sonvelle");
}

QString refused(const QString& name, listfile::Refusal refusal)
{
    QString reason;
    switch (refusal) {
    case listfile::Refusal::NotListFile:
        reason = QCoreApplication::translate("ListSession", "Sonvelleのﾘｽﾄﾌｧｲﾙではありません");
        break;
    case listfile::Refusal::Malformed:
        reason = QCoreApplication::translate("ListSession", "壊れているか、途中で切れています");
        break;
    case listfile::Refusal::FutureVersion:
        reason = QCoreApplication::translate("ListSession", "新しいﾊﾞｰｼﾞｮﾝのSonvelleで書かれたため、読み込めません");
        break;
    case listfile::Refusal::TooManyTracks:
        reason = QCoreApplication::translate("ListSession", "ﾄﾗｯｸが30を超えているため、読み込めません");
        break;
    }
    return aboutListFile(name) + reason;
}

QString unreadable(const QString& name)
{
    return aboutListFile(name) + QCoreApplication::translate("ListSession", "読み込めません");
}

QString readErrorCaption()
{
    return QCoreApplication::translate("ListSession", "ﾘｽﾄ読み込みｴﾗｰ");
}

QString openReport(const QList<TrackNote>& notes)
{
    QString text = QCoreApplication::translate("ListSession", "次のﾌｧｲﾙはﾘｽﾄに記録されたとおりには開けませんでした。") + NewLine;
    for (const TrackNote& note : notes)
        text += NewLine + u'"' + note.path + u'"' + NewLine + QStringLiteral("  ") + noteReason(note);
    return text;
}

QString droppedCodes(const QString& name, const QList<listfile::DroppedCode>& dropped)
{
    using Field = listfile::DroppedCode::Field;
    QString text = QCoreApplication::translate("ListSession", "ﾘｽﾄﾌｧｲﾙ\"%1\"の次のｺｰﾄﾞは正しくないため、読み込みませんでした(ほかの内容は読み込みました)。").arg(name) + NewLine;
    for (const listfile::DroppedCode& code : dropped) {
        const QString where = code.track == 0
                                  ? QCoreApplication::translate("ListSession", "ﾃﾞｨｽｸ")
                                  : QStringLiteral("No.%1:\"%2\"").arg(code.track).arg(code.title);
        const QString field = code.field == Field::Isrc ? QStringLiteral("ISRC")
                                                        : QCoreApplication::translate("ListSession", "ｶﾀﾛｸﾞ番号(UPC/JAN)");
        text += NewLine + QCoreApplication::translate("ListSession", "%1の%2「%3」").arg(where, field, code.code);
    }
    return text;
}

QString discardQuestion()
{
    return QCoreApplication::translate("ListSession", "編集内容が保存されていません。") + NewLine +
           QCoreApplication::translate("ListSession", "ﾘｽﾄを開くと現在の編集内容は失われます。よろしいですか？");
}

QString confirmReplace(const QString& path)
{
    return QCoreApplication::translate("ListSession", "ﾘｽﾄﾌｧｲﾙ\"%1\"は既に存在します。").arg(QFileInfo(path).fileName()) + NewLine +
           QCoreApplication::translate("ListSession", "置き換えてよろしいですか？");
}

QString writeFailed(const QString& error)
{
    return QCoreApplication::translate("ListSession", "ﾘｽﾄを書き込めません") + NewLine + error;
}

QString journalFailed(const QString& path, const QString& error)
{
    return QCoreApplication::translate("ListSession", "編集内容の控えを書き込めません") + NewLine + path + NewLine + error + NewLine +
           QCoreApplication::translate("ListSession", "控えは古いままになっています。編集は続けられますが、異常終了したときは最新の編集内容を復元できません。");
}

QString journalSetAside(const QString& aside)
{
    return QCoreApplication::translate("ListSession", "前回終了時の編集内容の控えは、壊れているか新しいﾊﾞｰｼﾞｮﾝで書かれているため、復元できません。") + NewLine +
           QCoreApplication::translate("ListSession", "控えは次の名前で残してあります。") + NewLine + aside;
}

QString journalNotSetAside(const QString& path, const QString& error)
{
    return QCoreApplication::translate("ListSession", "前回終了時の編集内容の控えは、壊れているか新しいﾊﾞｰｼﾞｮﾝで書かれているため、復元できません。") + NewLine +
           QCoreApplication::translate("ListSession", "控えの名前を変えられませんでした。") + NewLine + path + NewLine + error;
}

QString restoreQuestion(const QDateTime& written)
{
    return QCoreApplication::translate("ListSession", "前回終了時の編集内容が残っています(%1に記録)。復元しますか?")
        .arg(written.toString(QStringLiteral("yyyy/MM/dd HH:mm:ss")));
}

QString exitCaption()
{
    return QCoreApplication::translate("ListSession", "終了");
}

QString saveBeforeExitQuestion()
{
    return QCoreApplication::translate("ListSession", "編集内容が保存されていません。") + NewLine +
           QCoreApplication::translate("ListSession", "終了する前にﾘｽﾄを保存しますか？");
}

QString exitQuestion()
{
    return ProgramTitle() + QCoreApplication::translate("ListSession", "を終了します。よろしいですか？");
}

}  // namespace sessionmessages
