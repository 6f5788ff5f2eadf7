// Files handed from a later start of the program to the copy that runs
// ("open with" while the program runs), over a local socket that only the
// user can reach.
//
// A message (HandOverMessage.h) holds the absolute paths. The running copy
// answers one byte once it has read the message, and the later start
// confirms with one byte; only then are the files opened. A later start that gets no answer in time says
// that the program is already running and never confirms, so that a copy
// which answers late does not open the files after all.
#pragma once

#include <QLocalServer>
#include <QObject>
#include <QStringList>

class QLocalSocket;
struct HandOverConnection;

class FileHandOver : public QObject {
    Q_OBJECT
public:
    explicit FileHandOver(QObject* parent = nullptr);

    // The running copy: listens at path, replacing a socket that a killed
    // copy left there (the caller holds the single-instance lock, so no
    // other copy listens at path). False when the socket cannot be made.
    bool Listen(const QString& path);

    // A later start: hands the files (absolute paths) to the copy listening
    // at path. True when that copy answered within timeoutMs and so takes
    // them.
    static bool Send(const QString& path, const QStringList& files, int timeoutMs);

signals:
    // The absolute paths of one message, in the order given.
    void Received(const QStringList& files);

private:
    void readFrom(QLocalSocket* socket, HandOverConnection& connection);

    QLocalServer m_server;
};
