// Where a recording's pieces begin after its silences: a run of CD frames
// whose every sample stays at or under a threshold, at least a shortest
// length long, marks the piece that follows it a lead time before the sound
// resumes (never before the silence began). Silence at the very start or
// at the end starts no piece.
#pragma once

#include <QList>

#include <cstdint>

class WaveOverview;

struct SilenceRule {
    double thresholdDb = -50.0;  // dBFS
    double shortestSeconds = 2.0;
    double leadSeconds = 0.5;
};

// The marks' places in samples, each on the frame grid, in order.
QList<int64_t> FindSilenceMarks(const WaveOverview& overview, const SilenceRule& rule);
