// Where a converted file is written: in the decode directory, under the
// source's name with its ending replaced by ".wav". A name that is taken
// gets " (2)", " (3)" … before ".wav". Taken are the source itself and the
// files of the list (letter case ignored, as the list's own duplicate check
// does), and any file that exists already, so that a conversion never
// replaces a file the user has.
#pragma once

#include <QString>
#include <QStringList>

namespace convertedname {

// directory ends in the path separator; listPaths are the paths of the
// tracks in the list.
QString convertedPath(const QString& directory, const QString& sourcePath, const QStringList& listPaths);

// The source's file name with its ending replaced by ".wav" ("song.flac"
// gives "song.wav"; a name without an ending gets ".wav" added).
QString wavName(const QString& sourceName);

}  // namespace convertedname
