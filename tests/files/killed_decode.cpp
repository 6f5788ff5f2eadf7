// Test helper: takes the decode temporary file in the folder given as its
// argument, as a decode does, and is killed while it holds it, so that the
// file stays behind unlocked, as a killed decode leaves it.
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
