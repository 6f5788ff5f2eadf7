#include "cd_time.h"

#include "cd_frame.h"

namespace {
using cdframe::BytesPerHour;
using cdframe::BytesPerMinute;
using cdframe::BytesPerSecond;
constexpr qint64 BytesPerFrame = cdframe::Bytes;
}

QString FormatCdTime(qint64 bytes)
{
    // The magnitude is taken in unsigned arithmetic so that the most negative
    // count has one too.
    const quint64 a = bytes < 0 ? 0 - static_cast<quint64>(bytes) : static_cast<quint64>(bytes);
    const quint64 hours = a / BytesPerHour;
    quint64 rest = a % BytesPerHour;
    const quint64 minutes = rest / BytesPerMinute;
    rest %= BytesPerMinute;
    const quint64 seconds = rest / BytesPerSecond;
    const quint64 frames = (rest % BytesPerSecond) / BytesPerFrame;
    return QStringLiteral("%1%2:%3:%4:%5")
        .arg(bytes < 0 ? QStringLiteral("-") : QString())
        .arg(hours)
        .arg(minutes, 2, 10, QLatin1Char('0'))
        .arg(seconds, 2, 10, QLatin1Char('0'))
        .arg(frames, 2, 10, QLatin1Char('0'));
}
