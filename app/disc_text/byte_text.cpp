#include "byte_text.h"

#include "cp932.h"

#include <QStringDecoder>

#include <utility>

QString DecodeTextBytes(QByteArrayView bytes)
{
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString decoded = utf8(bytes);
    if (!utf8.hasError())
        return decoded;
    if (auto japanese = DecodeCp932(bytes))
        return *std::move(japanese);
    return QString::fromLatin1(bytes);
}

QString DecodeByteText(QByteArrayView bytes)
{
    const qsizetype end = bytes.indexOf('\0');
    return DecodeTextBytes(end < 0 ? bytes : bytes.first(end)).trimmed();
}
