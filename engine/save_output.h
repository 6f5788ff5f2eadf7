// The file a save writes, from its first byte on, and how it takes its place.
//
// Normally a replacement file that takes the target's name only when it is
// complete, so that a failed save leaves the target as it was. Where none can
// be made — the folder is not writable, or the new file could not keep the
// target's owner — the target itself is rewritten, the way an in-place save
// always could: it is first grown to its final length, so that a full disk is
// found before a single byte of it is overwritten.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <variant>

#include "file_handle.h"
#include "replacement_file.h"

namespace welvox {

class SaveOutput {
public:
    // target: the file the save produces; source: the open track, which is
    // the target itself when inPlace. Returns the output, or the engine
    // result that ends the save: 1003 when nothing can be written, 1004 when
    // the room for finalLength bytes is missing.
    static std::variant<SaveOutput, int32_t> open(const std::string& target, const FileHandle& source, bool inPlace,
                                                   int64_t finalLength);

    const FileHandle& file() const { return m_replacement ? m_replacement->file() : m_rewritten; }

    // True when the target is being rewritten where it lies: whatever follows
    // the written bytes is still there.
    bool rewritesTarget() const { return !m_replacement; }

    // Ends a save whose bytes are all written: a replacement takes the
    // target's place (flushed to disk first when durable); a rewritten
    // target is cut to finalLength. False when that fails.
    bool finish(int64_t finalLength, bool durable);

private:
    explicit SaveOutput(ReplacementFile replacement) : m_replacement(std::move(replacement)) {}
    explicit SaveOutput(FileHandle rewritten) : m_rewritten(std::move(rewritten)) {}

    std::optional<ReplacementFile> m_replacement;
    FileHandle m_rewritten;
};

}  // namespace welvox
