// The WAV file the program decoded an MP3 file into, against the decoder
// library's own output for that file.
#pragma once

#include <QStringList>

#include <filesystem>

namespace userrun {

void checkDecodedFile(const std::filesystem::path& mp3, const std::filesystem::path& decoded,
                      const std::filesystem::path& scratch, QStringList& failures);

}  // namespace userrun
