// Test helper: takes the decode temporary file in the folder given, as a
// decode does, and is killed holding it, leaving it behind unlocked.
#include "decode_temporary_file.h"

#include <csignal>

int main(int argc, char* argv[])
{
    if (argc != 2)
        return 2;
    [[maybe_unused]] const auto part = DecodeTemporaryFile::create(argv[1]);
    raise(SIGKILL);
    return 1;
}
