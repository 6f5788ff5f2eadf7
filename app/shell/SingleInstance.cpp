#include "SingleInstance.h"

#include <QDir>
#include <QStandardPaths>

SingleInstance::SingleInstance(const QString& lockPath)
    : m_lock(lockPath.isEmpty() ? defaultLockPath() : lockPath)
{
    // The program never stops holding the lock while it runs, so an old lock
    // is only ever a crashed copy's (its process is checked as well).
    m_lock.setStaleLockTime(0);
}

bool SingleInstance::acquire()
{
    return m_lock.tryLock(0);
}

QString SingleInstance::defaultLockPath()
{
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty())
        folder = QDir::tempPath();
    return folder + QStringLiteral("/sonvelle.lock");
}
