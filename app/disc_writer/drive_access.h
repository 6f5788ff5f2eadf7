// Whether the user may open a drive's device file for reading and writing,
// which cdrskin needs. cdrskin's own failure for a drive the user may not
// open is the one it gives for a path that is no drive at all, so the
// program asks the kernel itself, with every rule the kernel applies: the
// mode, the owner and the groups, and the access control lists through
// which a desktop's login manager lets the user at the seat reach the
// drive. The device file's group only words the refusal (on Debian the
// group "cdrom", which a user joins and then logs in again, since a login's
// groups are fixed when it starts).
#pragma once

#include <QString>
#include <QStringList>

#include <functional>

struct NodeAccess {
    bool exists = false;
    bool readWrite = false; // the process may open it for reading and writing
    QString group;          // the device file's group by name (its number when it has no name)
};

// The access this process has to path, as the kernel decides it for the
// process's effective user and groups; the superuser may open every file.
NodeAccess CheckNodeAccess(const QString& path);

// The CD drives' device files in folder ("sr0", "sr1", ...), sorted.
QStringList OpticalDriveNodes(const QString& folder);

// Where the drives' device files are looked for and who decides the
// access: the system's own unless a test says otherwise.
struct DriveNodes {
    QString folder = QStringLiteral("/dev");
    std::function<NodeAccess(const QString& path)> check = CheckNodeAccess;
};
