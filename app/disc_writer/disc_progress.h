// How much of the whole disc a write has done, from cdrskin's progress
// lines: each names its track and that track's MB written of its size, so
// the tracks before it count whole. A line whose size is the disc's own is
// taken as counting the whole disc already.
#pragma once

#include "burner_output.h"

class DiscProgress {
public:
    // The disc's size in cdrskin's MB (2^20 bytes), at least 1.
    explicit DiscProgress(qint64 discFrames);

    int totalMb() const { return m_totalMb; }
    // The disc's MB written after line, at most totalMb().
    int writtenAfter(const BurnProgress& line);

private:
    int m_totalMb;
    int m_track = 0;
    int m_trackMb = 0;
    int m_before = 0;
};
