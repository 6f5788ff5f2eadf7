#include "ConvertMessages.h"

#include <QCoreApplication>

namespace convertmessages {

QString converting(const QString& title)
{
    return u'"' + title + QCoreApplication::translate("ConvertMessages", "\"を変換しています");
}

QString clipped(const QString& title, uint64_t samples)
{
    return QCoreApplication::translate("ConvertMessages", "選択したﾌｧｲﾙ\"") + title + QCoreApplication::translate("ConvertMessages", "\"は、\r\n") + QString::number(samples) +
           QCoreApplication::translate("ConvertMessages", "個のｻﾝﾌﾟﾙがｸﾘｯﾌﾟされました");
}

QString diskFull()
{
    return QCoreApplication::translate("ConvertMessages", "ﾃﾞｨｽｸ空き容量が不足しています");
}

QString cannotWrite(const QString& path)
{
    return u'"' + path + QCoreApplication::translate("ConvertMessages", "\"に書き込めません");
}

}  // namespace convertmessages
