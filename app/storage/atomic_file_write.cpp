#include "atomic_file_write.h"

#include "system_error_text.h"

#include <QFile>

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace {

// Creates a file in target's directory under a short name nobody uses (so
// that a target name near the length limit still leaves room), with the mode
// any new file gets (0666 less the umask). Returns its descriptor, or -1
// with errno set.
int createBeside(const QByteArray& target, QByteArray& name)
{
    const QByteArray directory = target.left(target.lastIndexOf('/') + 1);
    for (int attempt = 0;; ++attempt) {
        name = directory + ".sonvelle-" + QByteArray::number(::getpid()) + '-' + QByteArray::number(attempt) +
               ".tmp";
        const int fd = ::open(name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST || attempt == 100)
            return fd;
    }
}

// Writes every byte, going on after a short write so that its cause (a full
// disk, say) is what errno reports.
bool writeAll(int fd, const QByteArray& bytes)
{
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t written = ::write(fd, bytes.constData() + done, size_t(bytes.size() - done));
        if (written < 0 && errno != EINTR)
            return false;
        if (written > 0)
            done += written;
    }
    return true;
}

}  // namespace

std::optional<QString> WriteFileAtomically(const QString& path, const QByteArray& contents)
{
    const QByteArray target = QFile::encodeName(path);
    QByteArray temporary;
    const int fd = createBeside(target, temporary);
    if (fd < 0)
        return SystemErrorText(errno);
    // The data reaches the disk before the rename, so that after a crash the
    // name holds the earlier file or the whole new one.
    bool written = writeAll(fd, contents) && ::fsync(fd) == 0;
    int error = errno;
    if (::close(fd) != 0 && written) {
        written = false;
        error = errno;
    }
    if (written && ::rename(temporary.constData(), target.constData()) == 0)
        return std::nullopt;
    if (written)
        error = errno;
    ::unlink(temporary.constData());
    return SystemErrorText(error);
}
