#include "decode_temporary_file.h"

#include <cerrno>
#include <cstdio>
#include <dirent.h>
#include <fcntl.h>
#include <random>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr char Prefix[] = ".sonvelle-decode-";
constexpr char Suffix[] = ".part";
constexpr size_t HexDigits = 8;
constexpr size_t NameLength = sizeof Prefix - 1 + HexDigits + sizeof Suffix - 1;

bool isHex(char c)
{
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f');
}

std::string withSlash(const std::string& directory)
{
    if (directory.empty())
        return "./";
    return directory.back() == '/' ? directory : directory + '/';
}

// True while name in directory is still the file open as fd: another process
// may have removed it between our open and our lock.
bool nameRefersTo(int directory, const std::string& name, int fd)
{
    struct stat byName{}, byHandle{};
    return ::fstatat(directory, name.c_str(), &byName, AT_SYMLINK_NOFOLLOW) == 0 && ::fstat(fd, &byHandle) == 0 &&
           byName.st_dev == byHandle.st_dev && byName.st_ino == byHandle.st_ino;
}

// Removes the temporary files whose lock is free: their writer was killed,
// as a running one holds its lock to the end.
void removeAbandoned(int directory)
{
    const int listing = ::openat(directory, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (listing < 0)
        return;
    DIR* entries = ::fdopendir(listing);
    if (entries == nullptr) {
        ::close(listing);
        return;
    }
    while (const dirent* entry = ::readdir(entries)) {
        const std::string name = entry->d_name;
        if (!DecodeTemporaryFile::isTemporaryName(name))
            continue;
        const int old = ::openat(directory, name.c_str(), O_RDONLY | O_NONBLOCK | O_NOFOLLOW | O_CLOEXEC);
        if (old < 0)
            continue;
        struct stat st{};
        if (::fstat(old, &st) == 0 && S_ISREG(st.st_mode) && ::flock(old, LOCK_EX | LOCK_NB) == 0 &&
            nameRefersTo(directory, name, old))
            ::unlinkat(directory, name.c_str(), 0);
        ::close(old);
    }
    ::closedir(entries);
}

std::string freshName()
{
    static std::mt19937 generator{std::random_device{}()};
    char name[NameLength + 1];
    std::snprintf(name, sizeof name, "%s%08x%s", Prefix, unsigned(generator()), Suffix);
    return name;
}

}  // namespace

bool DecodeTemporaryFile::isTemporaryName(const std::string& name)
{
    if (name.size() != NameLength || name.compare(0, sizeof Prefix - 1, Prefix) != 0 ||
        name.compare(NameLength - (sizeof Suffix - 1), std::string::npos, Suffix) != 0)
        return false;
    for (size_t i = sizeof Prefix - 1; i < sizeof Prefix - 1 + HexDigits; ++i) {
        if (!isHex(name[i]))
            return false;
    }
    return true;
}

std::optional<DecodeTemporaryFile> DecodeTemporaryFile::create(const std::string& directory)
{
    const std::string folder = withSlash(directory);
    const int directoryFd = ::open(folder.c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC);
    if (directoryFd < 0)
        return std::nullopt;
    removeAbandoned(directoryFd);
    std::optional<DecodeTemporaryFile> made;
    for (int attempt = 0; attempt < 100 && !made; ++attempt) {
        const std::string name = freshName();
        const int fd = ::openat(directoryFd, name.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && errno == EEXIST)
            continue;
        if (fd < 0)
            break;
        // Between creating and locking, another process may have taken the
        // file for abandoned and removed it; then another name is tried.
        if (::flock(fd, LOCK_EX) == 0 && nameRefersTo(directoryFd, name, fd))
            made = DecodeTemporaryFile(fd, folder + name);
        else
            ::close(fd);
    }
    const int error = errno;
    ::close(directoryFd);
    errno = error;
    return made;
}

DecodeTemporaryFile::DecodeTemporaryFile(int fd, std::string path)
    : m_fd(fd)
    , m_path(std::move(path))
{
}

DecodeTemporaryFile::DecodeTemporaryFile(DecodeTemporaryFile&& other) noexcept
    : m_fd(other.m_fd)
    , m_path(std::move(other.m_path))
{
    other.m_fd = -1;
    other.m_path.clear();
}

DecodeTemporaryFile& DecodeTemporaryFile::operator=(DecodeTemporaryFile&& other) noexcept
{
    if (this != &other) {
        discard();
        m_fd = other.m_fd;
        m_path = std::move(other.m_path);
        other.m_fd = -1;
        other.m_path.clear();
    }
    return *this;
}

DecodeTemporaryFile::~DecodeTemporaryFile()
{
    discard();
}

bool DecodeTemporaryFile::commit(const std::string& destination)
{
    if (::rename(m_path.c_str(), destination.c_str()) != 0) {
        const int error = errno;
        discard();
        errno = error;
        return false;
    }
    m_path.clear();
    discard();
    return true;
}

void DecodeTemporaryFile::discard()
{
    // Removed while still locked, so no other process can take the name's
    // file for abandoned in between.
    if (!m_path.empty())
        ::unlink(m_path.c_str());
    m_path.clear();
    if (m_fd >= 0)
        ::close(m_fd);
    m_fd = -1;
}
