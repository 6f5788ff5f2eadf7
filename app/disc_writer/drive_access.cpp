#include "drive_access.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>

#include <grp.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>

namespace {

QString groupName(gid_t group)
{
    const struct group* entry = getgrgid(group);
    return entry != nullptr ? QString::fromLocal8Bit(entry->gr_name) : QString::number(group);
}

// The mode's read and write bits for the owner, the group or the others,
// whichever class the identity falls in.
bool classMayReadWrite(const struct stat& node, const UserIdentity& identity)
{
    if (identity.user == node.st_uid)
        return (node.st_mode & (S_IRUSR | S_IWUSR)) == (S_IRUSR | S_IWUSR);
    if (identity.groups.contains(node.st_gid))
        return (node.st_mode & (S_IRGRP | S_IWGRP)) == (S_IRGRP | S_IWGRP);
    return (node.st_mode & (S_IROTH | S_IWOTH)) == (S_IROTH | S_IWOTH);
}

}  // namespace

UserIdentity UserIdentity::current()
{
    UserIdentity identity{geteuid(), {getegid()}};
    const int count = getgroups(0, nullptr);
    QList<gid_t> groups(std::max(count, 0));
    if (count > 0 && getgroups(count, groups.data()) == count)
        identity.groups << groups;
    return identity;
}

NodeAccess CheckNodeAccess(const QString& path, const UserIdentity& identity)
{
    struct stat node {};
    if (stat(QFile::encodeName(path).constData(), &node) != 0)
        return {};
    return {true, identity.user == 0 || classMayReadWrite(node, identity), groupName(node.st_gid)};
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
