// The play list as the run's edits leave it, rebuilt from the same files with
// the program's own list rules and the engine: every file opened in the
// run's order, all levels normalised, all gaps set automatically, and a
// fade-in on track 1 ending where the user clicked in the fade editor.
#pragma once

#include "play_list.h"

#include <QString>
#include <QStringList>

#include <cstdint>

namespace userrun {

struct RunEdits {
    int32_t autoMute = 0;    // the gap set in the settings dialog, CD frames
    int fadeInPixel = 0;     // the click's pixel column in the editor's picture
};

// files: the WAV files in list order (the MP3 file's decoded copy among
// them). Fails with a message in error when a file cannot be analysed.
bool buildEditedList(PlayList& list, const QStringList& files, const RunEdits& edits, QString& error);

}  // namespace userrun
