// What part of the recording the split window's waveform shows: the frame
// at its left edge and how many CD frames one pixel column covers, from the
// whole recording across the width down to one frame over eight columns.
#pragma once

#include <cstdint>

class SplitView {
public:
    static constexpr double FinestFramesPerPixel = 1.0 / 8;

    // A view of a recording of `frames` frames over `width` columns, showing
    // all of it.
    void reset(int64_t frames, int width);
    void setWidth(int width);

    int width() const { return m_width; }
    double firstFrame() const { return m_first; }
    double framesPerPixel() const { return m_perPixel; }
    // The frames the whole width covers.
    double shownFrames() const { return m_perPixel * m_width; }

    void showAll();
    // Zooms in (factor < 1) or out about column x, which keeps showing the
    // frame it showed.
    void zoom(double factor, int x);
    // Moves the left edge to frame first, within the recording.
    void scrollTo(double first);
    // Scrolls so that sample s shows, with a quarter of the width before it,
    // when it is out of sight.
    void follow(int64_t sample);

    // The sample at column x, and the column of sample s.
    int64_t sampleAt(int x) const;
    double xOf(int64_t sample) const;
    // The frames column x covers: [first, first + count), at least one.
    int64_t columnFirstFrame(int x) const;
    int64_t columnFrames(int x) const;

private:
    double coarsest() const;

    int64_t m_frames = 0;
    int m_width = 1;
    double m_first = 0;
    double m_perPixel = 1;
};
