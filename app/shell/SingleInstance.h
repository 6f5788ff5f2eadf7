// Refuses a second running copy of the program for the same user: the first
// copy holds a kernel lock (flock) on a file beside the journal, in the
// user's state folder, for its whole run. Copies that would share one journal
// therefore exclude each other whatever their runtime folders (ssh, su, a
// second seat). The kernel drops the lock when the process ends, however it
// ends, so a file left behind — empty, garbage, or written on another host —
// never blocks a start.
#pragma once

#include <QString>

class SingleInstance {
public:
    // lockPath empty: "sonvelle.lock" in the journal's folder.
    explicit SingleInstance(const QString& lockPath = QString());
    ~SingleInstance();
    SingleInstance(const SingleInstance&) = delete;
    SingleInstance& operator=(const SingleInstance&) = delete;

    // False only while another copy holds the lock. True when this process
    // now holds it, and also when the lock file cannot be used at all: a
    // start is never refused unless another copy really runs.
    bool acquire();

    static QString defaultLockPath();
    // The local socket, beside the lock, at which the copy holding the lock
    // takes the files of a later start: every copy that would share the
    // journal finds it there.
    QString handOverPath() const;

private:
    QString m_path;
    int m_fd = -1;
};
