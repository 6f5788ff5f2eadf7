#include "SameFile.h"

#include "play_list.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <optional>
#include <sys/stat.h>

namespace {

struct FileIdentity {
    dev_t device;
    ino_t inode;
};

std::optional<FileIdentity> identityOf(const QString& path)
{
    struct stat status {};
    if (::stat(QFile::encodeName(path).constData(), &status) != 0)
        return std::nullopt;
    return FileIdentity{status.st_dev, status.st_ino};
}

// The path with its directory's links, "." and ".." resolved, as far as the
// directory exists.
QString resolvedPath(const QString& path)
{
    const QFileInfo info(path);
    const QString directory = QFileInfo(info.absolutePath()).canonicalFilePath();
    if (directory.isEmpty())
        return QDir::cleanPath(info.absoluteFilePath());
    return QDir(directory).filePath(info.fileName());
}

}  // namespace

bool sameFile(const QString& first, const QString& second)
{
    const auto a = identityOf(first);
    const auto b = identityOf(second);
    if (a && b)
        return a->device == b->device && a->inode == b->inode;
    if (a || b)
        return false;
    return resolvedPath(first) == resolvedPath(second);
}

bool listHoldsFile(const PlayList& list, const QString& path)
{
    for (int i = 1; i <= list.TrackCount(); ++i) {
        if (sameFile(list.TrackAt(i).path, path))
            return true;
    }
    return false;
}
