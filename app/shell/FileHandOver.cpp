#include "FileHandOver.h"

#include "HandOverMessage.h"

#include <QDeadlineTimer>
#include <QLocalSocket>

#include <memory>
#include <optional>
#include <utility>

namespace {

constexpr char MessageRead = 'r';
constexpr char HandOverConfirmed = 'c';

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
    handover::ParsedMessage message = handover::parseMessage(connection.buffer);
    if (message.state == handover::ParsedMessage::State::Invalid) {
        socket->abort();
        return;
    }
    if (message.state == handover::ParsedMessage::State::Incomplete)
        return;
    connection.files = std::move(message.files);
    connection.buffer.remove(0, message.usedBytes);
    socket->write(&MessageRead, 1);
}

bool FileHandOver::Send(const QString& path, const QStringList& files, int timeoutMs)
{
    const QDeadlineTimer deadline(timeoutMs);
    QLocalSocket socket;
    socket.connectToServer(path);
    if (!socket.waitForConnected(int(deadline.remainingTime())))
        return false;
    socket.write(handover::encodeMessage(files));
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
