// The program's run from process start to its end: the command line, the
// single-instance check with the hand-over of files to a running copy, the
// main window and the event loop.
#pragma once

#include <QStringList>

#include <optional>

class CommandLine;
class Prompts;
class SingleInstance;

namespace startup {

// Before the application object exists: --help and --version are answered
// on the terminal (exit status 0) without a window system, a window or the
// single-instance lock. Nothing for every other command line.
std::optional<int> answerInfoRequest(int argc, char* argv[]);

// Writes a command line's answer to the terminal (the usage and the version
// on the standard output, a fault on the standard error) and gives the exit
// status: 0, or 2 for a fault.
int answerOnTerminal(const CommandLine& commandLine);

// How long a later start waits for the running copy to take its files.
inline constexpr int HandOverTimeoutMs = 2000;

// Beside a running copy: with files, hands them to it (result 0, nothing
// shown); without, or when it does not take them in time, says that the
// program already runs (result 1, nothing stored). Otherwise shows the main
// window, opens the given files (relative ones against the working folder)
// as a drop of them would, and runs until the program ends.
int run(Prompts& prompts, SingleInstance& instance, const QStringList& files = {});

}  // namespace startup
