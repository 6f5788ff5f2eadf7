#include "DecodeMessages.h"

#include <QCoreApplication>

namespace decodemessages {

QString decoding(const QString& title)
{
    return u'"' + title + QCoreApplication::translate("DecodeMessages", "\"をﾃﾞｺｰﾄﾞしています");
}

QString destination(const QString& wavPath)
{
    return QCoreApplication::translate("DecodeMessages", "ﾃﾞｺｰﾄﾞ先 : ") + wavPath;
}

QString openError()
{
    return QCoreApplication::translate("DecodeMessages", "Open Error");
}

QString decodeError()
{
    return QCoreApplication::translate("DecodeMessages", "Decode Error");
}

QString diskFull()
{
    return QCoreApplication::translate("DecodeMessages", "ﾃﾞｨｽｸ空き容量が不足しています");
}

}  // namespace decodemessages
