// Whether the user may open a drive's device file for reading and writing,
// which cdrskin needs. cdrskin's own failure for a drive the user may not
// open is the one it gives for a path that is no drive at all, so the
// program looks at the device file itself: its mode, its owner and its
// group (on Debian the group "cdrom", which a user joins and then logs in
// again, since a login's groups are fixed when it starts).
#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <sys/types.h>

// Who asks: the effective user and every group of the process.
struct UserIdentity {
    uid_t user = 0;
    QList<gid_t> groups;
    // The identity of this process.
    static UserIdentity current();
};

struct NodeAccess {
    bool exists = false;
    bool readWrite = false; // the user may open it for reading and writing
    QString group;          // the device file's group by name (its number when it has no name)
};

// Where the drives' device files are looked for and whose access counts:
// the system's own unless a test says otherwise.
struct DriveNodes {
    QString folder = QStringLiteral("/dev");
    UserIdentity identity = UserIdentity::current();
};

// The access identity has to path; the superuser may open every file.
NodeAccess CheckNodeAccess(const QString& path, const UserIdentity& identity);

// The CD drives' device files in folder ("sr0", "sr1", ...), sorted.
QStringList OpticalDriveNodes(const QString& folder);
