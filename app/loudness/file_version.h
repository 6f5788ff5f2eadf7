// Which file a path names at this moment: device, inode, size and
// modification time. Figures measured from one identity never belong to a
// file that was moved in, replaced or saved in place since, because each of
// those changes at least one of the four.
#pragma once

#include <QHashFunctions>
#include <QString>

#include <optional>

struct FileVersion {
    quint64 device = 0;
    quint64 inode = 0;
    qint64 size = 0;
    qint64 modifiedNs = 0;  // modification time in nanoseconds since the epoch

    friend bool operator==(const FileVersion&, const FileVersion&) = default;

    // The identity of an open descriptor, or of a path; errno tells why not.
    static std::optional<FileVersion> OfDescriptor(int fd);
    static std::optional<FileVersion> OfPath(const QByteArray& encodedPath);
};

size_t qHash(const FileVersion& identity, size_t seed = 0) noexcept;
