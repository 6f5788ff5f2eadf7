// The benchmarks report the middle of their rounds, which one slow round
// caused by the rest of the machine does not move.
#pragma once

#include <algorithm>
#include <vector>

inline double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}
