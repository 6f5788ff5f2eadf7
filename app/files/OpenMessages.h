// The messages of the open workflow. All have an OK button only and the
// caption "ﾌｧｲﾙ読み込みｴﾗｰ".
#pragma once

#include <QString>

#include <cstdint>
#include <optional>

namespace openmessages {

QString caption();
// The caption of the open dialog that chooses files for the list.
QString chooserCaption();
// The file is in the list already; its caption is the same designed text,
// which a translation words for this case.
QString alreadyOpen(const QString& title);
QString alreadyOpenCaption();
// "The selected file "title" is," then reason on its own line: the form of
// every message about one file.
QString aboutSelectedFile(const QString& title, const QString& reason);
// The file holds nothing that can be read as audio: no WAV the engine
// checks, no MPEG audio, no container FFmpeg's libraries open.
QString notAudio(const QString& title);
// The message for a failed analysis, or nothing for success and cancel.
std::optional<QString> forEngineResult(int32_t result, const QString& title);
// The line of the progress dialog that names the file being read.
QString reading(const QString& title);

}  // namespace openmessages
