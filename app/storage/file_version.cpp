#include "file_version.h"

#include <QFile>

#include <sys/stat.h>

namespace {

FileVersion fromStat(const struct stat& st)
{
    return {static_cast<quint64>(st.st_dev), static_cast<quint64>(st.st_ino), static_cast<qint64>(st.st_size),
            static_cast<qint64>(st.st_mtim.tv_sec), static_cast<qint32>(st.st_mtim.tv_nsec)};
}

}  // namespace

std::optional<FileVersion> FileVersion::OfDescriptor(int fd)
{
    struct stat st {};
    if (fstat(fd, &st) != 0)
        return std::nullopt;
    return fromStat(st);
}

std::optional<FileVersion> FileVersion::OfPath(const QString& path)
{
    struct stat st {};
    if (stat(QFile::encodeName(path).constData(), &st) != 0)
        return std::nullopt;
    return fromStat(st);
}

std::optional<FileVersion> FileVersion::OfRegularFile(const QString& path)
{
    struct stat st {};
    if (stat(QFile::encodeName(path).constData(), &st) != 0)
        return std::nullopt;
    if (!S_ISREG(st.st_mode))
        return std::nullopt;
    return fromStat(st);
}

size_t qHash(const FileVersion& version, size_t seed) noexcept
{
    return qHashMulti(seed, version.device, version.inode, version.size, version.modifiedSeconds,
                      version.modifiedNanoseconds);
}
