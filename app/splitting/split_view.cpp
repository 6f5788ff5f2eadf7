#include "split_view.h"

#include "cd_frame.h"

#include <algorithm>
#include <cmath>

void SplitView::reset(int64_t frames, int width)
{
    m_frames = std::max<int64_t>(frames, 1);
    m_width = std::max(width, 1);
    showAll();
}

void SplitView::setWidth(int width)
{
    // A view of the whole recording stays one when the width changes.
    const bool whole = m_perPixel >= coarsest();
    m_width = std::max(width, 1);
    m_perPixel = whole ? coarsest() : std::clamp(m_perPixel, FinestFramesPerPixel, coarsest());
    scrollTo(m_first);
}

double SplitView::coarsest() const
{
    return std::max(FinestFramesPerPixel, double(m_frames) / m_width);
}

void SplitView::showAll()
{
    m_perPixel = coarsest();
    m_first = 0;
}

void SplitView::zoom(double factor, int x)
{
    const double anchor = m_first + x * m_perPixel;
    m_perPixel = std::clamp(m_perPixel * factor, FinestFramesPerPixel, coarsest());
    scrollTo(anchor - x * m_perPixel);
}

void SplitView::scrollTo(double first)
{
    m_first = std::clamp(first, 0.0, std::max(0.0, double(m_frames) - shownFrames()));
}

void SplitView::follow(int64_t sample)
{
    const double frame = double(sample) / cdframe::Samples;
    if (frame < m_first || frame >= m_first + shownFrames())
        scrollTo(frame - shownFrames() / 4);
}

int64_t SplitView::sampleAt(int x) const
{
    return std::max<int64_t>(0, std::llround((m_first + x * m_perPixel) * cdframe::Samples));
}

double SplitView::xOf(int64_t sample) const
{
    return (double(sample) / cdframe::Samples - m_first) / m_perPixel;
}

int64_t SplitView::columnFirstFrame(int x) const
{
    return int64_t(std::floor(m_first + x * m_perPixel));
}

int64_t SplitView::columnFrames(int x) const
{
    return std::max<int64_t>(1, int64_t(std::floor(m_first + (x + 1) * m_perPixel)) - columnFirstFrame(x));
}
