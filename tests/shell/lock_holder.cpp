// Test helper: takes the single-instance lock at the path given, says on its
// standard output whether it holds it ('y' or 'n'), and holds it until it is
// killed.
#include "SingleInstance.h"

#include <cstdio>
#include <unistd.h>

int main(int argc, char* argv[])
{
    if (argc != 2)
        return 2;
    SingleInstance running(QString::fromLocal8Bit(argv[1]));
    std::putchar(running.acquire() ? 'y' : 'n');
    std::fflush(stdout);
    for (;;)
        pause();
}
