// Where the listener is in the recording while it plays. The engine reports
// the end of the audio it has queued, which runs ahead of what is heard by
// the output's queue (three blocks of 4,096 samples, about 279 ms); between
// reports the place moves on with the clock. So a mark tapped by ear lands
// where the key was pressed, not where the queue had got to.
#pragma once

#include <cstdint>

class PlayClock {
public:
    // Samples the output holds ahead of what is heard.
    static constexpr int64_t Ahead = 3 * 4096;

    // Playback starts at sample `from` at time now (milliseconds).
    void start(int64_t from, int64_t nowMs);
    // The engine has queued audio up to sample queuedEnd.
    void report(int64_t queuedEnd, int64_t nowMs);
    // The sample heard at time now: never before the start, never beyond
    // what was queued.
    int64_t heardAt(int64_t nowMs) const;

private:
    int64_t m_from = 0;
    int64_t m_queuedEnd = 0;
    int64_t m_heardAtReport = 0;
    int64_t m_reportMs = 0;
};
