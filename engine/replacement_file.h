// A new file that takes the place of a target file only once it is complete.
// It is made in the target's folder (after symbolic links are followed):
// unnamed where the file system allows it, so that a save killed midway
// leaves nothing behind; elsewhere under a short hidden name of the engine's
// own pattern, locked while in use, so that the next save to the same target
// removes what a killed save left. commit() gives it the target's name; a
// file never committed disappears, and the target is as it was.
#pragma once

#include <optional>
#include <string>

#include "file_handle.h"

namespace welvox {

class ReplacementFile {
public:
    // Empty when no new file can be made in the target's folder, or when it
    // could not be given the existing target's owner and group (only the
    // superuser may give a file away): the caller must then write the target
    // itself. The new file gets the target's permissions, or those a new
    // file gets under the umask.
    static std::optional<ReplacementFile> create(const std::string& target);
    ~ReplacementFile();
    ReplacementFile(ReplacementFile&& other) noexcept;
    ReplacementFile& operator=(ReplacementFile&&) = delete;
    ReplacementFile(const ReplacementFile&) = delete;
    ReplacementFile& operator=(const ReplacementFile&) = delete;

    const FileHandle& file() const { return m_file; }

    // Flushes the data to disk when durable is set, then puts the new file
    // in the target's place. False when a step fails; the target is then
    // untouched and the new file gone.
    bool commit(bool durable);

    // The start of every hidden name made for a target called fileName (no
    // folder): short whatever the length of fileName.
    static std::string hiddenNamePrefix(const std::string& fileName);

private:
    ReplacementFile(FileHandle folder, FileHandle file, std::string hiddenName, std::string targetName);
    void discard();

    FileHandle m_folder;       // the target's folder, to which both names are relative
    FileHandle m_file;         // locked for as long as this object lives
    std::string m_hiddenName;  // empty while the file is unnamed
    std::string m_targetName;
};

}  // namespace welvox
