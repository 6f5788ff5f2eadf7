// Refuses a second running copy of the program for the same user: the first
// copy holds a kernel lock (flock) on a file in the user's runtime folder for
// its whole run. The kernel drops the lock when the process ends, however it
// ends, so a file left behind — empty, garbage, or written on another host —
// never blocks a start.
#pragma once

#include <QString>

class SingleInstance {
public:
    // lockPath empty: "sonvelle.lock" in the user's runtime folder.
    explicit SingleInstance(const QString& lockPath = QString());
    ~SingleInstance();
    SingleInstance(const SingleInstance&) = delete;
    SingleInstance& operator=(const SingleInstance&) = delete;

    // False only while another copy holds the lock. True when this process
    // now holds it, and also when the lock file cannot be used at all: a
    // start is never refused unless another copy really runs.
    bool acquire();

    static QString defaultLockPath();

private:
    QString m_path;
    int m_fd = -1;
};
