#include "file_version.h"

#include <sys/stat.h>

namespace {

FileVersion fromStat(const struct stat& st)
{
    return {static_cast<quint64>(st.st_dev), static_cast<quint64>(st.st_ino), static_cast<qint64>(st.st_size),
            static_cast<qint64>(st.st_mtim.tv_sec) * 1'000'000'000 + st.st_mtim.tv_nsec};
}

}  // namespace

std::optional<FileVersion> FileVersion::OfDescriptor(int fd)
{
    struct stat st {};
    if (fstat(fd, &st) != 0)
        return std::nullopt;
    return fromStat(st);
}

std::optional<FileVersion> FileVersion::OfPath(const QByteArray& encodedPath)
{
    struct stat st {};
    if (stat(encodedPath.constData(), &st) != 0)
        return std::nullopt;
    return fromStat(st);
}

size_t qHash(const FileVersion& identity, size_t seed) noexcept
{
    return qHashMulti(seed, identity.device, identity.inode, identity.size, identity.modifiedNs);
}
