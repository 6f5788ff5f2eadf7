#include "staging_folder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <fcntl.h>
#include <stdio.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace {

// Flushes a folder's entries (names created or renamed in it) to the disk.
int syncFolder(const QString& path)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return errno;
    const int error = ::fsync(fd) == 0 ? 0 : errno;
    ::close(fd);
    return error;
}

constexpr int NameAttempts = 100;

}  // namespace

StagingFolder::StagingFolder(const QString& target)
    : m_target(QDir::cleanPath(target))
{
    const QFileInfo info(m_target);
    const QString stem = info.absolutePath() + QStringLiteral("/.") + info.fileName() + u'.';
    m_error = EEXIST;
    for (int attempt = 0; attempt < NameAttempts && m_error == EEXIST; ++attempt) {
        const QString candidate = stem + QString::number(QRandomGenerator::global()->generate(), 36);
        m_error = ::mkdir(QFile::encodeName(candidate).constData(), 0777) == 0 ? 0 : errno;
        if (m_error == 0)
            m_path = candidate;
    }
}

StagingFolder::~StagingFolder()
{
    if (!m_committed && !m_path.isEmpty())
        QDir(m_path).removeRecursively();
}

int StagingFolder::commit()
{
    if (const int error = syncFolder(m_path))
        return error;
    if (::renameat2(AT_FDCWD, QFile::encodeName(m_path).constData(), AT_FDCWD,
                    QFile::encodeName(m_target).constData(), RENAME_NOREPLACE) != 0)
        return errno;
    m_committed = true;
    // The image is whole under its name now; a parent that cannot be
    // flushed only delays when the new name reaches the disk.
    syncFolder(QFileInfo(m_target).absolutePath());
    return 0;
}
