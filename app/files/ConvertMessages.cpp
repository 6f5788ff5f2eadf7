#include "ConvertMessages.h"

#include <QCoreApplication>

#include <algorithm>
#include <limits>

namespace convertmessages {

QString converting(const QString& title)
{
    return u'"' + title + QCoreApplication::translate("ConvertMessages", "\"を変換しています");
}

QString clipped(const QString& title, uint64_t samples)
{
    // The count picks the translation's singular or plural form; Qt counts
    // in int, so a larger count shows as the largest int.
    const int count = int(std::min<uint64_t>(samples, std::numeric_limits<int>::max()));
    return QCoreApplication::translate("ConvertMessages", "選択したﾌｧｲﾙ\"") + title + QCoreApplication::translate("ConvertMessages", "\"は、\r\n") +
           QCoreApplication::translate("ConvertMessages", "%n個のｻﾝﾌﾟﾙがｸﾘｯﾌﾟされました", nullptr, count);
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
