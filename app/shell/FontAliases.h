// Teaches fontconfig the designed font names ("ＭＳ Ｐゴシック", "ＭＳ Ｐ明朝")
// from the alias file shipped beside the program. Must run before the
// application object is created, because the toolkit reads fontconfig's
// configuration once when it starts.
#pragma once

#include <QString>

namespace fontaliases {

// The alias file's name beside the executable.
inline constexpr const char* fileName = "sonvelle-fonts.conf";

// Adds the rules of the file at path to fontconfig's current configuration.
// False when the file is missing or malformed; the program then runs with
// fontconfig's own fallback fonts.
bool load(const QString& path);

// The folder that holds the running executable.
QString executableFolder();

}  // namespace fontaliases
