// Test helper: what CheckNodeAccess finds for NAME in FOLDER when the user
// "nobody" asks. Started by the superuser, whom the kernel lets open every
// file, it enters FOLDER, takes nobody's user and group for good and prints
// "EXISTS READWRITE GROUP" (1 or 0, 1 or 0, the group's name).
#include "drive_access.h"

#include <cstdio>
#include <grp.h>
#include <pwd.h>
#include <unistd.h>

int main(int argc, char* argv[])
{
    const passwd* nobody = getpwnam("nobody");
    if (argc != 3 || nobody == nullptr || chdir(argv[1]) != 0)
        return 2;
    if (setgroups(0, nullptr) != 0 || setgid(nobody->pw_gid) != 0 || setuid(nobody->pw_uid) != 0)
        return 3;
    const NodeAccess access = CheckNodeAccess(QString::fromLocal8Bit(argv[2]));
    std::printf("%d %d %s\n", int(access.exists), int(access.readWrite), access.group.toLocal8Bit().constData());
    return 0;
}
