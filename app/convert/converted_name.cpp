#include "converted_name.h"

#include <QFileInfo>

namespace convertedname {

namespace {

bool isTaken(const QString& candidate, const QString& sourcePath, const QStringList& listPaths)
{
    return candidate.compare(sourcePath, Qt::CaseInsensitive) == 0 ||
           listPaths.contains(candidate, Qt::CaseInsensitive) || QFileInfo::exists(candidate);
}

}  // namespace

QString wavName(const QString& sourceName)
{
    const qsizetype dot = sourceName.lastIndexOf(u'.');
    const QString stem = dot > 0 ? sourceName.left(dot) : sourceName;
    return stem + QStringLiteral(".wav");
}

QString convertedPath(const QString& directory, const QString& sourcePath, const QStringList& listPaths)
{
    const QString name = wavName(QFileInfo(sourcePath).fileName());
    QString candidate = directory + name;
    const QString stem = directory + name.chopped(4);
    for (int number = 2; isTaken(candidate, sourcePath, listPaths); ++number)
        candidate = stem + QStringLiteral(" (%1).wav").arg(number);
    return candidate;
}

}  // namespace convertedname
