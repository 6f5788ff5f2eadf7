#include "SingleInstance.h"

#include "journal_writer.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

SingleInstance::SingleInstance(const QString& lockPath)
    : m_path(lockPath.isEmpty() ? defaultLockPath() : lockPath)
{
}

SingleInstance::~SingleInstance()
{
    // The file stays: removing it could let a starting copy lock a file that
    // is no longer the one the next copy finds.
    if (m_fd >= 0)
        ::close(m_fd);
}

bool SingleInstance::acquire()
{
    if (m_fd >= 0)
        return true;
    QDir().mkpath(QFileInfo(m_path).absolutePath());
    const QByteArray path = QFile::encodeName(m_path);
    int fd = ::open(path.constData(), O_RDWR | O_CREAT | O_NONBLOCK | O_CLOEXEC, 0600);
    if (fd < 0)
        fd = ::open(path.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return true;
    if (::flock(fd, LOCK_EX | LOCK_NB) == 0) {
        m_fd = fd;
        return true;
    }
    const bool heldByAnotherCopy = errno == EWOULDBLOCK;
    ::close(fd);
    return !heldByAnotherCopy;
}

QString SingleInstance::defaultLockPath()
{
    return QFileInfo(JournalWriter::DefaultPath()).absolutePath() + QStringLiteral("/sonvelle.lock");
}

QString SingleInstance::handOverPath() const
{
    return QFileInfo(m_path).absolutePath() + QStringLiteral("/sonvelle.socket");
}
