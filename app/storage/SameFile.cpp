#include "SameFile.h"

#include "play_list.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <optional>

namespace {

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

std::optional<FileVersion> fileIdentity(const QString& path)
{
    return FileVersion::OfPath(QFile::encodeName(path));
}

bool sameFile(const QString& first, const QString& second)
{
    const auto a = fileIdentity(first);
    const auto b = fileIdentity(second);
    if (a && b)
        return a->SameFileAs(*b);
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

bool listHoldsConversionOf(const PlayList& list, const QString& path)
{
    const auto source = fileIdentity(path);
    if (!source)
        return false;
    for (int i = 1; i <= list.TrackCount(); ++i) {
        const auto& from = list.TrackAt(i).convertedFrom;
        if (from && from->SameFileAs(*source))
            return true;
    }
    return false;
}
