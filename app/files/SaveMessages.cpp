#include "SaveMessages.h"

#include "SystemErrorText.h"
#include "welvox.h"

namespace savemessages {

QString confirmOverwrite()
{
    return QStringLiteral("上書き保存します。よろしいですか？");
}

QString overwriteCaption()
{
    return QStringLiteral("上書き保存");
}

QString overwriteWarning(const QStringList& names)
{
    QString list;
    for (const QString& name : names)
        list += name + QStringLiteral("\r\n");
    return QStringLiteral("保存先ﾃﾞｨﾚｸﾄﾘにある以下のﾌｧｲﾙは上書きされます。") + QStringLiteral("\n\r") + list +
           QStringLiteral("\n\r") + QStringLiteral("よろしいですか？");
}

QString anotherCaption()
{
    return QStringLiteral("別ﾃﾞｨﾚｸﾄﾘへ保存");
}

QString savingInPlace()
{
    return QStringLiteral("上書き保存しています");
}

QString savingToAnother()
{
    return QStringLiteral("別ﾃﾞｨﾚｸﾄﾘへ保存しています");
}

QString saving(int track, const QString& title)
{
    return QStringLiteral("No.") + QString::number(track) + u':' + u'"' + title + u'"' +
           QStringLiteral("を保存しています");
}

QString forEngineResult(int result)
{
    switch (result) {
    case ENGINE_SUCCESS:
        return {};
    case ENGINE_BAD_FORMAT:
        return QStringLiteral("ﾃﾞｨｽｸ空き容量が不足しています");
    default:
        return QStringLiteral("ﾌｧｲﾙが読み込めません");
    }
}

QString renameFailed(int error)
{
    return SystemErrorText(error);
}

}  // namespace savemessages
