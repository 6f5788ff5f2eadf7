#include "play_bar_view.h"

#include "play_list.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace {

// Bytes per drawing unit for zoom levels -2 .. 2.
constexpr std::array<int, 5> ZoomTable = {70000, 50000, 30000, 20000, 10000};

// Rounds to the nearest integer, halves to even (the default mode).
qint64 rounded(double value)
{
    return qint64(std::nearbyint(value));
}

}  // namespace

int PlayBarView::X(qint64 position) const
{
    return int(rounded(double(position - m_viewStart) / m_bytesPerUnit));
}

bool PlayBarView::ShowsMarkerAt(qint64 position) const
{
    return m_viewStart <= position && position <= m_viewStart + qint64(m_width + 100) * m_bytesPerUnit;
}

int PlayBarView::MarkerX(qint64 position) const
{
    return int((position - m_viewStart) / m_bytesPerUnit);
}

qint64 PlayBarView::PointerAt(double x) const
{
    // A press on the picture's frame lies outside the drawing area; it
    // counts as its nearest edge, so the pointer never leaves the view.
    x = std::clamp(x, 0.0, double(m_width));
    return rounded(x * m_bytesPerUnit + double(m_viewStart));
}

bool PlayBarView::ZoomIn()
{
    m_zoomLevel = std::min(m_zoomLevel + 1, MaxZoomLevel);
    applyZoom();
    return m_zoomLevel == MaxZoomLevel;
}

bool PlayBarView::ZoomOut()
{
    m_zoomLevel = std::max(m_zoomLevel - 1, MinZoomLevel);
    applyZoom();
    return m_zoomLevel == MinZoomLevel;
}

void PlayBarView::applyZoom()
{
    m_bytesPerUnit = ZoomTable[size_t(m_zoomLevel - MinZoomLevel)];
}

PlayBarView::ScrollSteps PlayBarView::Scroll(int value, int pictureWidth)
{
    const double span = double(m_bytesPerUnit) * pictureWidth;
    // A picture wider than the whole timeline would leave no room to scroll;
    // one byte per step keeps the arithmetic defined.
    const double unit = std::max((double(ScrollTimelineBytes) - span) / ScrollMaximum, 1.0);
    const qint64 steps = rounded(span / unit);
    m_viewStart = value == 0 ? 0 : rounded(value * unit) / 4 * 4;
    return {int(steps / 10), int(steps / 2)};
}

void PlayBarView::SerchPlayMusicNo(const PlayList& list, qint64& position)
{
    position = position / 4 * 4;
    for (int i = 1; i <= list.TrackCount(); ++i) {
        const TimelineEntry& entry = list.TrackTimeline()[size_t(i)];
        if (position < entry.dataEnd + list.TrackAt(i).record.muteAdjustBytes) {
            m_foundTrack = i;
            m_foundOffset = (position - entry.start) / 4 * 4;
            return;
        }
    }
    m_foundTrack = -1;
    m_foundOffset = 0;
}
