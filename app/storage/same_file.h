// Whether two names denote one file. On this platform names that differ
// only in letter case are different files, while one file can have several
// names (links, "." and ".." in a path). Two names are the same file when
// both exist as the same device and inode, or, when neither exists yet,
// when they resolve to the same path.
#pragma once

#include <QString>

bool SameFile(const QString& first, const QString& second);
