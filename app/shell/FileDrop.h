// Which files dragged onto the list grid may be opened: names ending in
// ".wav", in the endings the conversion route offers in the open dialog
// (".flac", ".m4a", ".opus", ".mp4" and the others), in ".cue" (a sheet,
// opened in the split window), or in ".mp3" while MP3 files can be decoded,
// in any letter case. What a file holds then chooses its route.
#pragma once

#include <QStringList>

namespace filedrop {

bool isAccepted(const QString& path, bool mp3Available);

// A drag may end on the grid when its first file is accepted and nothing
// plays.
bool dragAcceptable(const QStringList& paths, bool mp3Available, bool playerActive);

// The accepted files, in the order delivered.
QStringList acceptedFiles(const QStringList& paths, bool mp3Available);

}  // namespace filedrop
