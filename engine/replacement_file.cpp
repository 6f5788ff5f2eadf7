#include "replacement_file.h"

#include <atomic>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace welvox {
namespace {

// The path the new file must finally take: a symbolic link is followed so
// that the file it points to is replaced, not the link.
std::string resolvedTarget(const std::string& target) {
    char buffer[PATH_MAX];
    if (::realpath(target.c_str(), buffer)) return buffer;
    return target;
}

std::string folderOf(const std::string& path) {
    const auto slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

std::string nameOf(const std::string& path) {
    const auto slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

}  // namespace

std::optional<ReplacementFile> ReplacementFile::create(const std::string& target,
                                                       std::optional<mode_t> permissions) {
    const std::string finalPath = resolvedTarget(target);
    struct stat existing {};
    const bool replacesFile = ::stat(finalPath.c_str(), &existing) == 0;
    if (!permissions && replacesFile) permissions = existing.st_mode & 07777;

    static std::atomic<unsigned> counter{0};
    const std::string stem = folderOf(finalPath) + "/." + nameOf(finalPath) + ".";
    for (int attempt = 0; attempt < 100; ++attempt) {
        char suffix[40];
        std::snprintf(suffix, sizeof suffix, "%d-%u.part", int(::getpid()), counter++);
        const std::string candidate = stem + suffix;
        // Mode 0666 lets the umask decide for a file that replaces nothing.
        const int fd = ::open(candidate.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && errno == EEXIST) continue;
        if (fd < 0) return std::nullopt;
        // Only root may hand a file to another owner; otherwise the new
        // file stays ours, with the old file's permissions.
        if (replacesFile && ::fchown(fd, existing.st_uid, existing.st_gid) != 0) errno = 0;
        if (permissions) ::fchmod(fd, *permissions);
        return ReplacementFile(FileHandle(fd), candidate, finalPath);
    }
    return std::nullopt;
}

ReplacementFile::ReplacementFile(FileHandle file, std::string temporaryPath, std::string targetPath)
    : m_file(std::move(file)), m_temporaryPath(std::move(temporaryPath)), m_targetPath(std::move(targetPath)) {}

ReplacementFile::ReplacementFile(ReplacementFile&& other) noexcept
    : m_file(std::move(other.m_file)), m_temporaryPath(std::move(other.m_temporaryPath)),
      m_targetPath(std::move(other.m_targetPath)) {
    other.m_temporaryPath.clear();
}

ReplacementFile::~ReplacementFile() { discard(); }

bool ReplacementFile::commit(bool durable) {
    if (durable && ::fsync(m_file.fd()) != 0) {
        discard();
        return false;
    }
    m_file.close();
    if (::rename(m_temporaryPath.c_str(), m_targetPath.c_str()) != 0) {
        discard();
        return false;
    }
    m_temporaryPath.clear();
    return true;
}

void ReplacementFile::discard() {
    m_file.close();
    if (!m_temporaryPath.empty()) ::unlink(m_temporaryPath.c_str());
    m_temporaryPath.clear();
}

}  // namespace welvox
