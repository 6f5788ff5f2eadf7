// A new file that takes the place of a target file only once it is complete.
// It is written under a temporary name in the target's folder (after
// symbolic links are followed) and renamed over the target by commit(); if it
// is never committed, it is removed, and the target is as it was.
#pragma once

#include <optional>
#include <string>
#include <sys/types.h>

#include "file_handle.h"

namespace welvox {

class ReplacementFile {
public:
    // Empty when the temporary file cannot be created. permissions, when
    // given, are applied to the new file; otherwise it gets the permissions
    // of the file it replaces, or those a new file gets under the umask.
    static std::optional<ReplacementFile> create(const std::string& target,
                                                 std::optional<mode_t> permissions = std::nullopt);
    ~ReplacementFile();
    ReplacementFile(ReplacementFile&& other) noexcept;
    ReplacementFile& operator=(ReplacementFile&&) = delete;
    ReplacementFile(const ReplacementFile&) = delete;
    ReplacementFile& operator=(const ReplacementFile&) = delete;

    const FileHandle& file() const { return m_file; }

    // Flushes the data to disk when durable is set, then renames the new
    // file over the target. False when either step fails; the target is
    // then untouched and the temporary file removed.
    bool commit(bool durable);

private:
    ReplacementFile(FileHandle file, std::string temporaryPath, std::string targetPath);
    void discard();

    FileHandle m_file;
    std::string m_temporaryPath;
    std::string m_targetPath;
};

}  // namespace welvox
