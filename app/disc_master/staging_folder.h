// The hidden folder beside a chosen one in which an image is written: it
// takes the chosen name only when everything in it is written, and is
// removed with its contents when it goes without having taken it. So a
// folder of the chosen name is either a whole image or not there at all.
//
// While the folder exists its writer holds a lock on it (flock), which the
// kernel lets go when the writer dies. A staging folder that a killed
// writer left behind is one of the hidden pattern whose lock is free, last
// changed before this program started, holding nothing but files of the
// image's names; making a new staging folder removes those beside it. On a
// file system without such locks (NFS) no folder counts as left.
#pragma once

#include "file_system_calls.h"

#include <QString>
#include <QStringList>

class StagingFolder {
public:
    // Removes the folders killed writers left beside target, then creates
    // ".NAME.sonvelle-XXXXXXXX" (a fresh suffix) beside target and locks
    // it; error() tells whether it could. imageFiles: the names an image
    // holds, the only ones a left folder may hold to be removed.
    StagingFolder(const QString& target, const QStringList& imageFiles);
    ~StagingFolder();
    StagingFolder(const StagingFolder&) = delete;
    StagingFolder& operator=(const StagingFolder&) = delete;

    // The errno of a failed creation, 0 when the folder exists.
    int error() const { return m_error; }
    QString path() const { return m_path; }

    // Flushes the folder's entries to the disk and renames it to the target,
    // which must still not exist (EEXIST when it does), and flushes the
    // parent folder. Where the file system has no rename that refuses to
    // replace (EINVAL, ENOSYS), a plain rename follows once the name is seen
    // to be still free. 0 once renamed, else the errno.
    int commit(const FileSystemCalls::RenameNoReplace& renameNoReplace);

private:
    QString m_target;
    QString m_path;
    int m_lock = -1;  // the folder, open and locked while it is being written
    int m_error = 0;
    bool m_committed = false;
};
