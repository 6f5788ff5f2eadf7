#include "file_system_calls.h"

#include <fcntl.h>
#include <stdio.h>
#include <unistd.h>

ssize_t FileSystemCalls::KernelCopyRange(int source, loff_t* at, int out, size_t bytes)
{
    return ::copy_file_range(source, at, out, nullptr, bytes, 0);
}

int FileSystemCalls::KernelRenameNoReplace(const char* from, const char* to)
{
    return ::renameat2(AT_FDCWD, from, AT_FDCWD, to, RENAME_NOREPLACE);
}
