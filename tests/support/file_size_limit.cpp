#include "file_size_limit.h"

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace testsupport {

namespace {

// A limit the system refuses leaves the disk unlimited, and the test would
// pass without the full disk it is about: the test stops here, saying why.
void setOrStop(const rlimit& limit)
{
    if (setrlimit(RLIMIT_FSIZE, &limit) == 0)
        return;
    std::fprintf(stderr, "FileSizeLimit: setrlimit(RLIMIT_FSIZE, %llu) refused: %s\n",
                 static_cast<unsigned long long>(limit.rlim_cur), std::strerror(errno));
    std::abort();
}

}  // namespace

FileSizeLimit::FileSizeLimit(rlim_t bytes)
{
    std::signal(SIGXFSZ, SIG_IGN);
    getrlimit(RLIMIT_FSIZE, &m_saved);
    rlimit limit = m_saved;
    limit.rlim_cur = bytes;
    setOrStop(limit);
}

FileSizeLimit::~FileSizeLimit()
{
    setOrStop(m_saved);
}

}  // namespace testsupport
