#include "replacement_file.h"

#include <atomic>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
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

constexpr const char* kHiddenSuffix = ".part";

bool isHiddenNameOf(const std::string& entry, const std::string& prefix) {
    const std::string suffix = kHiddenSuffix;
    return entry.size() > prefix.size() + suffix.size() && entry.compare(0, prefix.size(), prefix) == 0 &&
           entry.compare(entry.size() - suffix.size(), suffix.size(), suffix) == 0;
}

// A fresh hidden name: process id and a counter keep concurrent saves apart.
std::string nextHiddenName(const std::string& prefix) {
    static std::atomic<unsigned> counter{0};
    char suffix[48];
    std::snprintf(suffix, sizeof suffix, "%d-%u%s", int(::getpid()), counter++, kHiddenSuffix);
    return prefix + suffix;
}

bool sameFile(const struct stat& a, const struct stat& b) { return a.st_dev == b.st_dev && a.st_ino == b.st_ino; }

// True while `name` in folder is still the file open as fd.
bool nameRefersTo(int folder, const std::string& name, int fd) {
    struct stat byName {}, byHandle {};
    return ::fstatat(folder, name.c_str(), &byName, AT_SYMLINK_NOFOLLOW) == 0 && ::fstat(fd, &byHandle) == 0 &&
           sameFile(byName, byHandle);
}

// Removes the hidden files of earlier saves to the same target whose lock is
// free: their save was killed (a running save holds its lock to the end).
void removeAbandoned(int folder, const std::string& prefix) {
    const int listing = ::openat(folder, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (listing < 0) return;
    DIR* entries = ::fdopendir(listing);
    if (!entries) {
        ::close(listing);
        return;
    }
    while (const dirent* entry = ::readdir(entries)) {
        const std::string name = entry->d_name;
        if (!isHiddenNameOf(name, prefix)) continue;
        const FileHandle old(::openat(folder, name.c_str(), O_RDONLY | O_NONBLOCK | O_NOFOLLOW | O_CLOEXEC));
        struct stat st {};
        if (!old.isOpen() || ::fstat(old.fd(), &st) != 0 || !S_ISREG(st.st_mode)) continue;
        if (::flock(old.fd(), LOCK_EX | LOCK_NB) == 0 && nameRefersTo(folder, name, old.fd()))
            ::unlinkat(folder, name.c_str(), 0);
    }
    ::closedir(entries);
}

// An unnamed file in folder; errno EOPNOTSUPP (or EISDIR on older kernels)
// when the file system cannot make one.
FileHandle createUnnamed(int folder) {
    FileHandle file(::openat(folder, ".", O_TMPFILE | O_RDWR | O_CLOEXEC, 0666));
    if (file.isOpen()) ::flock(file.fd(), LOCK_EX);
    return file;
}

// A file under a fresh hidden name, locked before anyone can take it for
// abandoned; hiddenName receives the name.
FileHandle createNamed(int folder, const std::string& prefix, std::string& hiddenName) {
    for (int attempt = 0; attempt < 100; ++attempt) {
        hiddenName = nextHiddenName(prefix);
        FileHandle file(::openat(folder, hiddenName.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0666));
        if (!file.isOpen() && errno == EEXIST) continue;
        if (!file.isOpen()) return file;
        // Between creating and locking, another save may have removed it as
        // abandoned; then try another name.
        if (::flock(file.fd(), LOCK_EX) == 0 && nameRefersTo(folder, hiddenName, file.fd())) return file;
    }
    hiddenName.clear();
    errno = EEXIST;
    return FileHandle();
}

// Gives the unnamed file fd a hidden name in folder.
bool linkUnnamed(int fd, int folder, const std::string& hiddenName) {
    char procPath[64];
    std::snprintf(procPath, sizeof procPath, "/proc/self/fd/%d", fd);
    if (::linkat(AT_FDCWD, procPath, folder, hiddenName.c_str(), AT_SYMLINK_FOLLOW) == 0) return true;
    return ::linkat(fd, "", folder, hiddenName.c_str(), AT_EMPTY_PATH) == 0;
}

}  // namespace

std::string ReplacementFile::hiddenNamePrefix(const std::string& fileName) {
    // FNV-1a over the name: the same target always gives the same prefix.
    uint64_t hash = 0xcbf29ce484222325ull;
    for (const unsigned char c : fileName) hash = (hash ^ c) * 0x100000001b3ull;
    char prefix[40];
    std::snprintf(prefix, sizeof prefix, ".sonvelle-%016llx.", static_cast<unsigned long long>(hash));
    return prefix;
}

std::optional<ReplacementFile> ReplacementFile::create(const std::string& target) {
    const std::string finalPath = resolvedTarget(target);
    const std::string targetName = nameOf(finalPath);
    if (targetName.empty()) return std::nullopt;
    FileHandle folder(::open(folderOf(finalPath).c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC));
    if (!folder.isOpen()) return std::nullopt;
    const std::string prefix = hiddenNamePrefix(targetName);
    removeAbandoned(folder.fd(), prefix);

    std::string hiddenName;
    FileHandle file = createUnnamed(folder.fd());
    if (!file.isOpen() && (errno == EOPNOTSUPP || errno == EISDIR)) file = createNamed(folder.fd(), prefix, hiddenName);
    if (!file.isOpen()) return std::nullopt;
    ReplacementFile replacement(std::move(folder), std::move(file), std::move(hiddenName), targetName);

    struct stat existing {}, made {};
    if (::fstatat(replacement.m_folder.fd(), targetName.c_str(), &existing, 0) != 0) return replacement;
    const int fd = replacement.m_file.fd();
    if (::fstat(fd, &made) != 0) return std::nullopt;
    // The file must keep its owner: when only the superuser could give the
    // new file away, the caller rewrites the target instead.
    if ((made.st_uid != existing.st_uid || made.st_gid != existing.st_gid) &&
        ::fchown(fd, existing.st_uid, existing.st_gid) != 0)
        return std::nullopt;
    if (::fchmod(fd, existing.st_mode & 07777) != 0) return std::nullopt;
    return replacement;
}

ReplacementFile::ReplacementFile(FileHandle folder, FileHandle file, std::string hiddenName, std::string targetName)
    : m_folder(std::move(folder)), m_file(std::move(file)), m_hiddenName(std::move(hiddenName)),
      m_targetName(std::move(targetName)) {}

ReplacementFile::ReplacementFile(ReplacementFile&& other) noexcept
    : m_folder(std::move(other.m_folder)), m_file(std::move(other.m_file)),
      m_hiddenName(std::move(other.m_hiddenName)), m_targetName(std::move(other.m_targetName)) {
    other.m_hiddenName.clear();
}

ReplacementFile::~ReplacementFile() { discard(); }

bool ReplacementFile::commit(bool durable) {
    if (durable && ::fsync(m_file.fd()) != 0) {
        discard();
        return false;
    }
    // An unnamed file cannot replace a name directly: it is linked under a
    // hidden name first, still locked, and that name is renamed over the
    // target at once.
    if (m_hiddenName.empty()) {
        std::string hiddenName;
        for (int attempt = 0; attempt < 100 && hiddenName.empty(); ++attempt) {
            const std::string candidate = nextHiddenName(hiddenNamePrefix(m_targetName));
            if (linkUnnamed(m_file.fd(), m_folder.fd(), candidate)) hiddenName = candidate;
            else if (errno != EEXIST) break;
        }
        if (hiddenName.empty()) {
            discard();
            return false;
        }
        m_hiddenName = hiddenName;
    }
    if (::renameat(m_folder.fd(), m_hiddenName.c_str(), m_folder.fd(), m_targetName.c_str()) != 0) {
        discard();
        return false;
    }
    m_hiddenName.clear();
    m_file.close();
    return true;
}

void ReplacementFile::discard() {
    if (!m_hiddenName.empty() && m_folder.isOpen()) ::unlinkat(m_folder.fd(), m_hiddenName.c_str(), 0);
    m_hiddenName.clear();
    m_file.close();
}

}  // namespace welvox
