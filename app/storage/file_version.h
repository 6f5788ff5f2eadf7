// Which file a path names and which version of it: device and inode (the
// file itself, whatever name it goes by), size and modification time to the
// nanosecond (its contents). A track takes its file's version when its record
// is made (analysed, saved, restored) and keeps it with the record, so that a
// file replaced or changed since is recognised, and loudness figures measured
// from one version never belong to another.
#pragma once

#include <QHashFunctions>
#include <QString>

#include <optional>

struct FileVersion {
    quint64 device = 0;
    quint64 inode = 0;
    qint64 size = 0;
    // Modification time: whole seconds since 1970 (negative before it) and
    // the nanoseconds within that second (0..999999999).
    qint64 modifiedSeconds = 0;
    qint32 modifiedNanoseconds = 0;

    friend bool operator==(const FileVersion&, const FileVersion&) = default;

    // The same file, whatever its contents are now.
    bool SameFileAs(const FileVersion& other) const { return device == other.device && inode == other.inode; }

    // The version of an open descriptor, or of the file at a path as it is
    // now; nothing (errno tells why) when it cannot be looked at.
    static std::optional<FileVersion> OfDescriptor(int fd);
    static std::optional<FileVersion> OfPath(const QString& path);
    // Of a regular file only: nothing for a folder, a FIFO or a device.
    static std::optional<FileVersion> OfRegularFile(const QString& path);
};

size_t qHash(const FileVersion& version, size_t seed = 0) noexcept;
