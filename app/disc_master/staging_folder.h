// The hidden folder beside a chosen one in which an image is written: it
// takes the chosen name only when everything in it is written, and is
// removed with its contents when it goes without having taken it. So a
// folder of the chosen name is either a whole image or not there at all.
#pragma once

#include <QString>

class StagingFolder {
public:
    // Creates ".NAME.XXXXXX" (a fresh suffix) beside target; error() tells
    // whether it could.
    explicit StagingFolder(const QString& target);
    ~StagingFolder();
    StagingFolder(const StagingFolder&) = delete;
    StagingFolder& operator=(const StagingFolder&) = delete;

    // The errno of a failed creation, 0 when the folder exists.
    int error() const { return m_error; }
    QString path() const { return m_path; }

    // Flushes the folder's entries to the disk and renames it to the target,
    // which must still not exist (EEXIST when it does), and flushes the
    // parent folder. 0 once renamed, else the errno.
    int commit();

private:
    QString m_target;
    QString m_path;
    int m_error = 0;
    bool m_committed = false;
};
