// A list of MD5 checksums in the form `md5sum -c` reads: a line per file,
// 32 hex digits, two spaces (or a space and "*", binary mode) and the name;
// a line that starts with a backslash has "\\" and "\n" escaped in its name.
// Lines in no such form are counted, as md5sum counts them, and otherwise
// passed over. A pure function over the file's bytes.
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QList>

struct ChecksumLine {
    QByteArray md5;   // 32 lower-case hex digits
    QByteArray name;  // as the line gives it
    bool operator==(const ChecksumLine&) const = default;
};

struct ChecksumList {
    QList<ChecksumLine> lines;
    int malformedLines = 0;  // not counting empty lines
};

ChecksumList ReadChecksumList(QByteArrayView file);
