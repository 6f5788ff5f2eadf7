// A disk that fills up: while a FileSizeLimit lives, no file the process
// writes may grow beyond the given size; a write past it fails with EFBIG
// (SIGXFSZ is ignored from then on). The limit before it comes back at its end.
// A limit the system refuses stops the test with the reason.
#pragma once

#include <sys/resource.h>

namespace testsupport {

class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes);
    ~FileSizeLimit();
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit m_saved{};
};

}  // namespace testsupport
