#include "ConvertMessages.h"

#include "OpenMessages.h"

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

QString mixedDown(const QString& title, int channels)
{
    return openmessages::aboutSelectedFile(
        title, QCoreApplication::translate("ConvertMessages", "%1ﾁｬﾝﾈﾙからｽﾃﾚｵにﾐｯｸｽﾀﾞｳﾝしました").arg(channels));
}

QString noAudioStream(const QString& title)
{
    return openmessages::aboutSelectedFile(title, QCoreApplication::translate("ConvertMessages", "音声が入っていません"));
}

QString protectedAudio(const QString& title)
{
    return openmessages::aboutSelectedFile(
        title, QCoreApplication::translate("ConvertMessages", "著作権保護(DRM)されているため変換できません"));
}

QString rateOutOfBounds(const QString& title, int rate)
{
    return openmessages::aboutSelectedFile(
        title, QCoreApplication::translate("ConvertMessages", "ｻﾝﾌﾟﾘﾝｸﾞ周波数%1Hzは変換できません(8000～768000Hz)").arg(rate));
}

QString tooLong(const QString& title)
{
    return openmessages::aboutSelectedFile(
        title, QCoreApplication::translate("ConvertMessages", "長すぎるため1つのｳｪｰﾌﾞﾌｧｲﾙに変換できません"));
}

QString readFailed(const QString& title, double seconds)
{
    const int whole = int(seconds);
    return openmessages::aboutSelectedFile(
        title, QCoreApplication::translate("ConvertMessages", "%1分%2秒の所から先が読み込めません")
                   .arg(whole / 60)
                   .arg(whole % 60, 2, 10, QLatin1Char('0')));
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
