// Whether two names denote one file. On this platform names that differ
// only in letter case are different files, while one file can have several
// names (links, "." and ".." in a path). Two names are the same file when
// both exist as the same device and inode, or, when neither exists yet,
// when they resolve to the same path.
#pragma once

#include "track.h"

#include <QString>

#include <optional>

class PlayList;

// The file at path as it is now; none when it cannot be found.
std::optional<FileVersion> fileIdentity(const QString& path);

bool sameFile(const QString& first, const QString& second);

// True when a track of the list is the file at path.
bool listHoldsFile(const PlayList& list, const QString& path);

// True when a track of the list was converted from the file at path.
bool listHoldsConversionOf(const PlayList& list, const QString& path);
