#include "silence_finder.h"

#include "cd_frame.h"
#include "wave_overview.h"

#include <algorithm>
#include <cmath>

QList<int64_t> FindSilenceMarks(const WaveOverview& overview, const SilenceRule& rule)
{
    // The loudest sample a silent frame may hold: 32768 is full scale.
    const int ceiling = int(std::floor(32768.0 * std::pow(10.0, std::min(rule.thresholdDb, 0.0) / 20.0)));
    const int64_t shortest = std::max<int64_t>(1, std::llround(rule.shortestSeconds * cdframe::PerSecond));
    const int64_t lead = std::max<int64_t>(0, std::llround(rule.leadSeconds * cdframe::PerSecond));
    QList<int64_t> marks;
    int64_t silentFrom = -1;
    for (int64_t f = 0; f < overview.frames(); ++f) {
        if (overview.level(f) <= ceiling) {
            if (silentFrom < 0)
                silentFrom = f;
            continue;
        }
        if (silentFrom > 0 && f - silentFrom >= shortest)
            marks << std::max(silentFrom, f - lead) * cdframe::Samples;
        silentFrom = -1;
    }
    return marks;
}
