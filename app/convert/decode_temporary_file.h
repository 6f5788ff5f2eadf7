// The file a decode or a conversion writes before it is complete, in the
// decode directory under a short hidden name of fixed length
// (".sonvelle-decode-" and eight hex digits, then ".part"), whatever the
// length of the final name. The file is locked (flock) for as long as this
// object lives, and commit() renames it to its final name. A file never
// committed is removed; one whose writer was killed keeps its name but loses
// its lock, and the next decode or conversion into that directory removes it.
//
// Not thread-safe; the object belongs to the thread that made it.
#pragma once

#include <optional>
#include <string>

class DecodeTemporaryFile {
public:
    // Makes a new, empty, locked file in directory (with or without a
    // trailing "/"), after removing the temporary files there that no process
    // holds. Empty when no file can be made; errno tells why.
    static std::optional<DecodeTemporaryFile> create(const std::string& directory);
    ~DecodeTemporaryFile();
    DecodeTemporaryFile(DecodeTemporaryFile&& other) noexcept;
    DecodeTemporaryFile& operator=(DecodeTemporaryFile&& other) noexcept;
    DecodeTemporaryFile(const DecodeTemporaryFile&) = delete;
    DecodeTemporaryFile& operator=(const DecodeTemporaryFile&) = delete;

    // Open for reading and writing; the lock is held through it.
    int fd() const { return m_fd; }
    const std::string& path() const { return m_path; }

    // Renames the file to destination, a path in the same directory,
    // replacing a file of that name, and releases it. False (errno set, the
    // file removed) when the rename fails.
    bool commit(const std::string& destination);

    // Whether name (no directory) has the pattern of these files.
    static bool isTemporaryName(const std::string& name);

private:
    DecodeTemporaryFile(int fd, std::string path);
    void discard();

    int m_fd = -1;
    std::string m_path;  // empty once committed or discarded
};
