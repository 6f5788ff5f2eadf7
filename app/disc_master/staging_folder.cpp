#include "staging_folder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QRegularExpression>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace {

constexpr int NameAttempts = 100;
const QString Mark = QStringLiteral(".sonvelle-");
const QRegularExpression StagingName(QStringLiteral("^\\..+\\.sonvelle-[0-9a-f]{8}$"));

QByteArray encoded(const QString& path)
{
    return QFile::encodeName(path);
}

// Flushes a folder's entries (names created or renamed in it) to the disk.
int syncFolder(const QString& path)
{
    const int fd = ::open(encoded(path).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return errno;
    const int error = ::fsync(fd) == 0 ? 0 : errno;
    ::close(fd);
    return error;
}

// 0 while nothing has the name, EEXIST when something has; else the errno
// of the look.
int nameFree(const QByteArray& path)
{
    struct stat status {};
    if (::lstat(path.constData(), &status) == 0)
        return EEXIST;
    return errno == ENOENT ? 0 : errno;
}

// True while name in folder is still what fd has open: another process may
// have removed it between the open and the lock.
bool nameRefersTo(int folder, const QByteArray& name, int fd)
{
    struct stat byName {}, byHandle {};
    return ::fstatat(folder, name.constData(), &byName, AT_SYMLINK_NOFOLLOW) == 0 && ::fstat(fd, &byHandle) == 0 &&
           byName.st_dev == byHandle.st_dev && byName.st_ino == byHandle.st_ino;
}

// A field of a /proc file's text: the number after label.
qint64 numberAfter(const QByteArray& text, const QByteArray& label)
{
    const qsizetype at = text.indexOf(label);
    return at < 0 ? 0 : text.mid(at + label.size()).split('\n').first().trimmed().toLongLong();
}

// When this program started, in whole seconds since 1970: the kernel's boot
// time and the process's start in clock ticks after it. 0 when /proc does
// not tell, so that no folder counts as older.
qint64 programStart()
{
    QFile self(QStringLiteral("/proc/self/stat"));
    QFile system(QStringLiteral("/proc/stat"));
    if (!self.open(QIODevice::ReadOnly) || !system.open(QIODevice::ReadOnly))
        return 0;
    // The fields after the command's name, which ends with the last ')':
    // the start time is the 22nd field, the 20th after the name.
    const QByteArray stat = self.readAll();
    const QList<QByteArray> fields = stat.mid(stat.lastIndexOf(')') + 2).split(' ');
    const qint64 ticks = fields.value(19).toLongLong();
    const qint64 boot = numberAfter(system.readAll(), "\nbtime ");
    const long perSecond = ::sysconf(_SC_CLK_TCK);
    return boot > 0 && perSecond > 0 ? boot + ticks / perSecond : 0;
}

// Whether the open folder holds only regular files named in imageFiles.
bool holdsOnlyImageFiles(int folder, const QString& path, const QStringList& imageFiles)
{
    const QStringList names = QDir(path).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    for (const QString& name : names) {
        struct stat status {};
        if (!imageFiles.contains(name) || ::fstatat(folder, encoded(name).constData(), &status, AT_SYMLINK_NOFOLLOW) != 0 ||
            !S_ISREG(status.st_mode))
            return false;
    }
    return true;
}

// Removes the staging folders in parent that killed writers left.
void removeLeftFolders(const QString& parent, const QStringList& imageFiles)
{
    const qint64 started = programStart();
    const int folder = ::open(encoded(parent).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folder < 0 || started == 0) {
        if (folder >= 0)
            ::close(folder);
        return;
    }
    const QStringList names = QDir(parent).entryList(QDir::Dirs | QDir::Hidden | QDir::NoSymLinks | QDir::NoDotAndDotDot);
    for (const QString& name : names) {
        if (!StagingName.match(name).hasMatch())
            continue;
        const QByteArray entry = encoded(name);
        const int left = ::openat(folder, entry.constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
        if (left < 0)
            continue;
        struct stat status {};
        if (::fstat(left, &status) == 0 && status.st_mtim.tv_sec < started && ::flock(left, LOCK_EX | LOCK_NB) == 0 &&
            nameRefersTo(folder, entry, left) && holdsOnlyImageFiles(left, parent + u'/' + name, imageFiles)) {
            for (const QString& file : imageFiles)
                ::unlinkat(left, encoded(file).constData(), 0);
            ::unlinkat(folder, entry.constData(), AT_REMOVEDIR);
        }
        ::close(left);
    }
    ::close(folder);
}

}  // namespace

StagingFolder::StagingFolder(const QString& target, const QStringList& imageFiles)
    : m_target(QDir::cleanPath(target))
{
    const QFileInfo info(m_target);
    const QString parent = info.absolutePath();
    removeLeftFolders(parent, imageFiles);
    const int folder = ::open(encoded(parent).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    m_error = folder < 0 ? errno : EEXIST;
    for (int attempt = 0; attempt < NameAttempts && m_error == EEXIST; ++attempt) {
        const QString name = u'.' + info.fileName() + Mark +
                             QString::number(QRandomGenerator::global()->generate(), 16).rightJustified(8, u'0');
        const QByteArray entry = encoded(name);
        m_error = ::mkdirat(folder, entry.constData(), 0777) == 0 ? 0 : errno;
        if (m_error != 0)
            continue;
        const int fd = ::openat(folder, entry.constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
        if (fd < 0) {
            m_error = errno == ENOENT ? EEXIST : errno;
            continue;
        }
        // A file system without locks leaves the folder unlocked: there no
        // other writer can lock it either, so none takes it for left. One
        // that took it for left just before the lock has removed it; then
        // another name is tried.
        const bool locked = ::flock(fd, LOCK_EX) == 0;
        if (!locked || nameRefersTo(folder, entry, fd)) {
            m_lock = fd;
            m_path = parent + u'/' + name;
        } else {
            ::close(fd);
            m_error = EEXIST;
        }
    }
    if (folder >= 0)
        ::close(folder);
}

StagingFolder::~StagingFolder()
{
    if (!m_committed && !m_path.isEmpty())
        QDir(m_path).removeRecursively();
    if (m_lock >= 0)
        ::close(m_lock);
}

int StagingFolder::commit(const FileSystemCalls::RenameNoReplace& renameNoReplace)
{
    if (const int error = syncFolder(m_path))
        return error;
    const QByteArray from = encoded(m_path);
    const QByteArray to = encoded(m_target);
    int error = renameNoReplace(from.constData(), to.constData()) == 0 ? 0 : errno;
    // A plain rename would put the image in place of an empty folder that
    // took the name meanwhile: the name is looked at once more just before.
    if (error == EINVAL || error == ENOSYS) {
        error = nameFree(to);
        if (error == 0 && ::rename(from.constData(), to.constData()) != 0)
            error = errno;
    }
    if (error != 0)
        return error;
    m_committed = true;
    // The image is whole under its name now; a parent that cannot be
    // flushed only delays when the new name reaches the disk.
    syncFolder(QFileInfo(m_target).absolutePath());
    return 0;
}
