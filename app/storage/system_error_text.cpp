#include "system_error_text.h"

#include <QCoreApplication>

#include <cerrno>
#include <cstring>

QString SystemErrorText(int error)
{
    switch (error) {
    case ENOENT:
        return QCoreApplication::translate("SystemErrorText", "ﾌｧｲﾙが見つかりません");
    case EACCES:
    case EPERM:
        return QCoreApplication::translate("SystemErrorText", "ﾌｧｲﾙへのｱｸｾｽ権がありません");
    case EIO:
        return QCoreApplication::translate("SystemErrorText", "入出力ｴﾗｰが発生しました");
    case ENOSPC:
    case EDQUOT:
        return QCoreApplication::translate("SystemErrorText", "ﾃﾞｨｽｸ空き容量が不足しています");
    default:
        return QString::fromLocal8Bit(std::strerror(error));
    }
}

QString FileCutShortText()
{
    return QCoreApplication::translate("SystemErrorText", "ﾌｧｲﾙが途中で切れています");
}
