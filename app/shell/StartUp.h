// The program's run from process start to its end: the single-instance
// check, the main window and the event loop.
#pragma once

#include <QStringList>

class Prompts;
class SingleInstance;

namespace startup {

// Refuses to run beside another copy (message, nothing stored, result 1);
// otherwise shows the main window, opens the given files as a drop of them
// would, and runs until the program ends.
int run(Prompts& prompts, SingleInstance& instance, const QStringList& files = {});

}  // namespace startup
