#include "same_file.h"

#include "file_version.h"

#include <QDir>
#include <QFileInfo>

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

bool SameFile(const QString& first, const QString& second)
{
    const auto a = FileVersion::OfPath(first);
    const auto b = FileVersion::OfPath(second);
    if (a && b)
        return a->SameFileAs(*b);
    if (a || b)
        return false;
    return resolvedPath(first) == resolvedPath(second);
}
