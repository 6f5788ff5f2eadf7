// What the loudness command shows while it waits for measurements still
// under way: a progress display the user can cancel. The program's is the
// modal dialog fLoudness.
#pragma once

#include "welvox.h"

#include <functional>

class LoudnessWait {
public:
    virtual ~LoudnessWait() = default;

    // Shows the wait and runs wait until it returns, handing it the function
    // that reports the settled share in percent and returns 1001 once the
    // user has cancelled. Returns what wait returned.
    virtual bool Run(const std::function<bool(ProgressCallback progress)>& wait) = 0;
};
