#include "SaveMessages.h"

#include "system_error_text.h"
#include "track_name.h"
#include "welvox.h"

#include <QCoreApplication>

namespace savemessages {

QString confirmOverwrite()
{
    return QCoreApplication::translate("SaveMessages", "上書き保存します。よろしいですか？");
}

QString overwriteCaption()
{
    return QCoreApplication::translate("SaveMessages", "上書き保存");
}

QString overwriteWarning(const QStringList& names)
{
    QString list;
    for (const QString& name : names)
        list += name + QStringLiteral("\r\n");
    return QCoreApplication::translate("SaveMessages", "保存先ﾃﾞｨﾚｸﾄﾘにある以下のﾌｧｲﾙは上書きされます。") + QStringLiteral("\n\r") + list +
           QStringLiteral("\n\r") + QCoreApplication::translate("SaveMessages", "よろしいですか？");
}

QString anotherCaption()
{
    return QCoreApplication::translate("SaveMessages", "別ﾃﾞｨﾚｸﾄﾘへ保存");
}

QString destinationCaption()
{
    return QCoreApplication::translate("SaveMessages", "保存先ﾃﾞｨﾚｸﾄﾘの選択");
}

QString savingInPlace()
{
    return QCoreApplication::translate("SaveMessages", "上書き保存しています");
}

QString savingToAnother()
{
    return QCoreApplication::translate("SaveMessages", "別ﾃﾞｨﾚｸﾄﾘへ保存しています");
}

QString saving(int track, const QString& title)
{
    return TrackName(track, title) + QCoreApplication::translate("SaveMessages", "を保存しています");
}

QString forEngineResult(int result)
{
    switch (result) {
    case ENGINE_SUCCESS:
        return {};
    case ENGINE_BAD_FORMAT:
        return QCoreApplication::translate("SaveMessages", "ﾃﾞｨｽｸ空き容量が不足しています");
    default:
        return QCoreApplication::translate("SaveMessages", "ﾌｧｲﾙが読み込めません");
    }
}

QString renameFailed(int error)
{
    return SystemErrorText(error);
}

}  // namespace savemessages
