// The texts of the CUE sheet command: the save dialog's caption and filter,
// its questions and its failure messages.
#pragma once

#include <QString>

#include <optional>

class PlayList;
struct BurnerChanges;
struct PlantNotes;

namespace cuemessages {

// The save dialog's and the questions' caption, and the dialog's filter.
QString caption();
QString sheetFilter();

// The question before an existing file is replaced.
QString confirmReplace(const QString& path);

// The message for a name BuildCueSheet could not write: 0 for the sheet's
// own name, otherwise the track.
QString unsafeName(const PlayList& list, int which);

// The one question before a disc's files are written: what a burner will
// change and what a pressing plant would miss, each where there is any;
// nothing when there is neither.
std::optional<QString> discNotes(const PlayList& list, const BurnerChanges& changes, const PlantNotes& notes);

// The message for a sheet that could not be written, with the system's
// description of the error.
QString writeFailed(const QString& error);

}  // namespace cuemessages
