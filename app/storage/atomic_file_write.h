// Writing a whole file so that it holds either its old contents or the new
// ones, never a part.
#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// Writes contents to a new file in path's directory and then renames it over
// path. On failure the file at path, if any, keeps its contents, the new
// file is removed, and the reason (SystemErrorText) is returned.
std::optional<QString> WriteFileAtomically(const QString& path, const QByteArray& contents);
