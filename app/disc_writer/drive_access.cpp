#include "drive_access.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>

#include <fcntl.h>
#include <grp.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QString groupName(gid_t group)
{
    const struct group* entry = getgrgid(group);
    return entry != nullptr ? QString::fromLocal8Bit(entry->gr_name) : QString::number(group);
}

}  // namespace

NodeAccess CheckNodeAccess(const QString& path)
{
    const QByteArray name = QFile::encodeName(path);
    struct stat node {};
    if (stat(name.constData(), &node) != 0)
        return {};
    const bool readWrite = faccessat(AT_FDCWD, name.constData(), R_OK | W_OK, AT_EACCESS) == 0;
    return {true, readWrite, groupName(node.st_gid)};
}

QStringList OpticalDriveNodes(const QString& folder)
{
    static const QRegularExpression name(QStringLiteral("^sr\\d+$"));
    QStringList nodes;
    for (const QString& entry : QDir(folder).entryList(QDir::System | QDir::Files | QDir::NoDotAndDotDot, QDir::Name)) {
        if (name.match(entry).hasMatch())
            nodes << QDir(folder).filePath(entry);
    }
    return nodes;
}
