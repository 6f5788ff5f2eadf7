// The messages of the open workflow. All have an OK button only and the
// caption "ﾌｧｲﾙ読み込みｴﾗｰ".
#pragma once

#include <QString>

#include <cstdint>
#include <optional>

namespace openmessages {

QString caption();
// The file is in the list already.
QString alreadyOpen(const QString& title);
// The message for a failed analysis, or nothing for success and cancel.
std::optional<QString> forEngineResult(int32_t result, const QString& title);
// The line of the progress dialog that names the file being read.
QString reading(const QString& title);

}  // namespace openmessages
