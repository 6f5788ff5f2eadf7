#include "save_output.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace welvox {
namespace {

constexpr int32_t kOpenFailed = 1003;
constexpr int32_t kNoRoom = 1004;

// False only when the file system says there is no room; one that cannot
// reserve space simply grows the file as it is written.
bool reserve(const FileHandle& file, int64_t length) {
    if (::fallocate(file.fd(), 0, 0, length) == 0) return true;
    return errno != ENOSPC && errno != EFBIG && errno != EDQUOT;
}

// Grows file to length with real blocks behind it (posix_fallocate writes
// them where the file system cannot reserve); on failure the file keeps its
// old length.
bool growTo(const FileHandle& file, int64_t length) {
    const int64_t oldLength = file.size();
    if (oldLength < 0) return false;
    if (length <= oldLength) return true;
    if (::posix_fallocate(file.fd(), oldLength, length - oldLength) == 0) return true;
    // Whatever part was added goes again; the save fails either way.
    [[maybe_unused]] const int restored = ::ftruncate(file.fd(), oldLength);
    return false;
}

bool sameFile(const FileHandle& a, const FileHandle& b) {
    struct stat sa {}, sb {};
    return ::fstat(a.fd(), &sa) == 0 && ::fstat(b.fd(), &sb) == 0 && sa.st_dev == sb.st_dev && sa.st_ino == sb.st_ino;
}

// The existing target opened for rewriting; empty when there is none, or
// when a copy's target is the source under another name (rewriting it would
// change the source too).
FileHandle rewritableTarget(const std::string& target, const FileHandle& source, bool inPlace) {
    if (inPlace) return FileHandle(::fcntl(source.fd(), F_DUPFD_CLOEXEC, 0));
    FileHandle file = FileHandle::openForUpdate(target.c_str());
    if (file.isOpen() && sameFile(file, source)) return FileHandle();
    return file;
}

}  // namespace

std::variant<SaveOutput, int32_t> SaveOutput::open(const std::string& target, const FileHandle& source, bool inPlace,
                                                   int64_t finalLength) {
    if (auto replacement = ReplacementFile::create(target)) {
        // Reserving the whole length first finds a full disk before anything
        // is written, and spares the file system from growing the file block
        // by block.
        if (!reserve(replacement->file(), finalLength)) return kNoRoom;
        return SaveOutput(std::move(*replacement));
    }
    FileHandle file = rewritableTarget(target, source, inPlace);
    if (!file.isOpen() || ::lseek(file.fd(), 0, SEEK_SET) != 0) return kOpenFailed;
    if (!growTo(file, finalLength)) return kNoRoom;
    return SaveOutput(std::move(file));
}

bool SaveOutput::finish(int64_t finalLength, bool durable) {
    if (m_replacement) return m_replacement->commit(durable);
    return ::ftruncate(m_rewritten.fd(), finalLength) == 0;
}

}  // namespace welvox
