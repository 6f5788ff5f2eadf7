#include "HandOverMessage.h"

#include <QDir>
#include <QtEndian>

namespace handover {

namespace {

constexpr qsizetype CountBytes = sizeof(quint32);

// The body's paths: every one ends in a NUL, so an empty body is an empty
// list and the text after the last NUL is always empty.
QStringList pathsOf(QByteArrayView body)
{
    QStringList files;
    qsizetype start = 0;
    for (qsizetype end = body.indexOf('\0'); end >= 0; start = end + 1, end = body.indexOf('\0', start)) {
        const QString file = QString::fromUtf8(body.sliced(start, end - start));
        if (QDir::isAbsolutePath(file))
            files << file;
    }
    return files;
}

ParsedMessage invalid()
{
    ParsedMessage message;
    message.state = ParsedMessage::State::Invalid;
    return message;
}

}  // namespace

ParsedMessage parseMessage(QByteArrayView bytes)
{
    if (bytes.size() < CountBytes)
        return {};
    const quint32 bodyBytes = qFromBigEndian<quint32>(bytes.data());
    if (bodyBytes > MaxBodyBytes)
        return invalid();
    const qsizetype messageBytes = CountBytes + qsizetype(bodyBytes);
    if (bytes.size() < messageBytes)
        return {};
    const QByteArrayView body = bytes.sliced(CountBytes, bodyBytes);
    if (!body.isEmpty() && !body.endsWith('\0'))
        return invalid();
    return {ParsedMessage::State::Complete, pathsOf(body), messageBytes};
}

QByteArray encodeMessage(const QStringList& files)
{
    QByteArray body;
    for (const QString& file : files)
        body += file.toUtf8() + '\0';
    QByteArray message(CountBytes, '\0');
    qToBigEndian<quint32>(quint32(body.size()), message.data());
    return message + body;
}

}  // namespace handover
