#include "DecodeMessages.h"

namespace decodemessages {

QString decoding(const QString& title)
{
    return u'"' + title + QStringLiteral("\"をﾃﾞｺｰﾄﾞしています");
}

QString destination(const QString& wavPath)
{
    return QStringLiteral("ﾃﾞｺｰﾄﾞ先 : ") + wavPath;
}

QString openError()
{
    return QStringLiteral("Open Error");
}

QString decodeError()
{
    return QStringLiteral("Decode Error");
}

QString diskFull()
{
    return QStringLiteral("ﾃﾞｨｽｸ空き容量が不足しています");
}

}  // namespace decodemessages
