#include "FileHandOver.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QLocalSocket>
#include <QtEndian>

#include <memory>
#include <optional>
#include <utility>

namespace {

constexpr char MessageRead = 'r';
constexpr char HandOverConfirmed = 'c';
constexpr qsizetype CountBytes = sizeof(quint32);

}  // namespace

// What one later start has sent so far.
struct HandOverConnection {
    QByteArray buffer;
    std::optional<QStringList> files;   // read and answered, waiting for the confirmation
};

FileHandOver::FileHandOver(QObject* parent)
    : QObject(parent)
{
    m_server.setSocketOptions(QLocalServer::UserAccessOption);
    connect(&m_server, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* socket = m_server.nextPendingConnection()) {
            auto connection = std::make_shared<HandOverConnection>();
            connect(socket, &QLocalSocket::readyRead, this, [this, socket, connection] { readFrom(socket, *connection); });
            connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        }
    });
}

bool FileHandOver::Listen(const QString& path)
{
    QLocalServer::removeServer(path);
    return m_server.listen(path);
}

void FileHandOver::readFrom(QLocalSocket* socket, HandOverConnection& connection)
{
    connection.buffer += socket->readAll();
    if (connection.files) {
        if (connection.buffer.startsWith(HandOverConfirmed)) {
            const QStringList files = *std::exchange(connection.files, std::nullopt);
            socket->disconnectFromServer();
            emit Received(files);
        }
        return;
    }
    if (connection.buffer.size() < CountBytes)
        return;
    const quint32 bodyBytes = qFromBigEndian<quint32>(connection.buffer.constData());
    if (bodyBytes > MaxBodyBytes) {
        socket->abort();
        return;
    }
    if (connection.buffer.size() < CountBytes + qsizetype(bodyBytes))
        return;
    QStringList files;
    for (const QByteArray& path : connection.buffer.mid(CountBytes, bodyBytes).split('\0')) {
        const QString file = QString::fromUtf8(path);
        if (QDir::isAbsolutePath(file))
            files << file;
    }
    connection.files = files;
    connection.buffer.remove(0, CountBytes + bodyBytes);
    socket->write(&MessageRead, 1);
}

bool FileHandOver::Send(const QString& path, const QStringList& files, int timeoutMs)
{
    const QDeadlineTimer deadline(timeoutMs);
    QLocalSocket socket;
    socket.connectToServer(path);
    if (!socket.waitForConnected(int(deadline.remainingTime())))
        return false;
    QByteArray body;
    for (const QString& file : files)
        body += file.toUtf8() + '\0';
    QByteArray count(CountBytes, '\0');
    qToBigEndian<quint32>(quint32(body.size()), count.data());
    socket.write(count + body);
    while (socket.bytesToWrite() > 0) {
        if (!socket.waitForBytesWritten(int(deadline.remainingTime())))
            return false;
    }
    while (socket.bytesAvailable() == 0) {
        if (!socket.waitForReadyRead(int(deadline.remainingTime())))
            return false;
    }
    if (socket.read(1) != QByteArray(1, MessageRead))
        return false;
    socket.write(&HandOverConfirmed, 1);
    return socket.flush();
}
