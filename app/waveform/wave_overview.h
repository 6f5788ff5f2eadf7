// The whole recording's waveform at a glance: the largest and the smallest
// value of either channel in every CD frame (588 samples), gathered in one
// pass over the files. The split window draws every zoom from it, from the
// whole recording down to single frames, and silences are found in it: a
// summary 1/588 the size of the audio (1.3 MB for 74 minutes), never the
// audio itself.
//
// Use from one thread at a time.
#pragma once

#include "recording.h"

#include <QString>

#include <cstdint>
#include <functional>
#include <vector>

class WaveOverview {
public:
    struct Peak {
        int16_t max = 0;
        int16_t min = 0;
    };
    // Told the progress in percent; returns false to stop the scan.
    using Progress = std::function<bool(int percent)>;

    // Reads the recording. Returns the description of a read failure, empty
    // on success; a stopped scan returns empty and leaves stopped() true.
    // The recording's last frame may be part of a frame.
    QString Scan(const Recording& recording, const Progress& progress);

    bool stopped() const { return m_stopped; }
    int64_t frames() const { return int64_t(m_peaks.size()); }
    Peak frame(int64_t i) const { return m_peaks[size_t(i)]; }
    // The extremes over the frames [first, first + count) that exist; a
    // span outside the recording gives 0, 0.
    Peak span(int64_t first, int64_t count) const;
    // The larger of |max| and |min| of a frame: how loud it is.
    int level(int64_t i) const;

private:
    std::vector<Peak> m_peaks;
    bool m_stopped = false;
};
