#include "ConvertMessages.h"

namespace convertmessages {

QString converting(const QString& title)
{
    return u'"' + title + QStringLiteral("\"を変換しています");
}

QString clipped(const QString& title, uint64_t samples)
{
    return QStringLiteral("選択したﾌｧｲﾙ\"") + title + QStringLiteral("\"は、\r\n") + QString::number(samples) +
           QStringLiteral("個のｻﾝﾌﾟﾙがｸﾘｯﾌﾟされました");
}

QString diskFull()
{
    return QStringLiteral("ﾃﾞｨｽｸ空き容量が不足しています");
}

QString cannotWrite(const QString& path)
{
    return u'"' + path + QStringLiteral("\"に書き込めません");
}

}  // namespace convertmessages
