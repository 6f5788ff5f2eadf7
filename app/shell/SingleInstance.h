// Refuses a second running copy of the program for the same user: the first
// copy holds a lock file in the user's runtime folder for its whole run. A
// lock left behind by a crashed copy is taken over.
#pragma once

#include <QLockFile>
#include <QString>

class SingleInstance {
public:
    // lockPath empty: "sonvelle.lock" in the user's runtime folder.
    explicit SingleInstance(const QString& lockPath = QString());

    // True when this process is now the only running copy.
    bool acquire();

    static QString defaultLockPath();

private:
    QLockFile m_lock;
};
