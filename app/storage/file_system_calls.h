// The two system calls of the image writer whose outcome depends on the file
// systems under the tracks and the image: the copy inside the kernel, which
// a file system may refuse from the start or after part of a range, and the
// rename that refuses to replace, which NFS and many FUSE mounts lack. Tests
// replace them to meet what only such file systems do.
#pragma once

#include <functional>

#include <sys/types.h>

struct FileSystemCalls {
    // copy_file_range from source at *at (moved on by what was copied) to
    // the end of out: the bytes copied, or -1 with errno set.
    using CopyRange = std::function<ssize_t(int source, loff_t* at, int out, size_t bytes)>;
    // renameat2(RENAME_NOREPLACE) of encoded paths: 0, or -1 with errno set.
    using RenameNoReplace = std::function<int(const char* from, const char* to)>;

    static ssize_t KernelCopyRange(int source, loff_t* at, int out, size_t bytes);
    static int KernelRenameNoReplace(const char* from, const char* to);

    CopyRange copyRange = KernelCopyRange;
    RenameNoReplace renameNoReplace = KernelRenameNoReplace;
};
