// What the run saved, judged twice: byte for byte against the engine's own
// rendering of the edited list, and by ear, without the program's rules:
// after "normalise all" every track peaks at the same level, and after the
// automatic gaps the silence between two tracks is the gap the user set.
#pragma once

#include <QStringList>

#include <cstdint>
#include <filesystem>

class PlayList;

namespace userrun {

// Appends one line to failures for each fault. scratch holds the engine's
// renderings while they are compared.
void checkSavedFiles(const PlayList& list, const std::filesystem::path& saved, const std::filesystem::path& scratch,
                     QStringList& failures);
void checkLevelsAndGaps(const std::filesystem::path& saved, const QStringList& names, int32_t autoMute,
                        QStringList& failures);

// The names the list's tracks are saved under, in list order.
QStringList savedNames(const PlayList& list);

}  // namespace userrun
