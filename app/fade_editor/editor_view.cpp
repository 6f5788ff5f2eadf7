#include "editor_view.h"

#include "wave_cache.h"

#include <algorithm>
#include <cmath>

namespace {

struct ZoomRow {
    int entriesPerPixel;
    int32_t tickBytes;
    int32_t majorTickBytes;
};

// Levels -2 to 4: coarser levels tick every second or third of a second,
// finer ones every CD frame multiple of 1/15 second.
constexpr ZoomRow ZoomTable[] = {
    {40, 176400, 705600}, {20, 58800, 352800}, {10, 58800, 176400}, {6, 58800, 176400},
    {3, 11760, 58800},    {2, 11760, 58800},   {1, 11760, 11760},
};

int32_t roundToInt(double value)
{
    return int32_t(std::nearbyint(value));
}

}  // namespace

void EditorView::ApplyZoom(int32_t dataBytes)
{
    const int level = EditorZoomLevel < MinimumZoom || EditorZoomLevel > 3 ? MaximumZoom : EditorZoomLevel;
    const ZoomRow& row = ZoomTable[level - MinimumZoom];
    EditorEntriesPerPixel = row.entriesPerPixel;
    EditorTickBytes = row.tickBytes;
    EditorMajorTickBytes = row.majorTickBytes;
    EditorFullWidth = dataBytes / WaveCache::EntryBytes / EditorEntriesPerPixel * 15;
}

void EditorView::FitPicture(int outerWidth)
{
    const int w = outerWidth - 120;
    EditorPictureWidth = w > EditorFullWidth ? EditorFullWidth : w;
}

void EditorView::UpdateBytesPerUnit()
{
    EditorBytesPerUnit = EditorEntriesPerPixel * double(WaveCache::EntryBytes) / 15;
}

EditorView::Scroll EditorView::ScrollTo(int value, int32_t dataBytes)
{
    UpdateBytesPerUnit();
    EditorViewBytes = (EditorPictureWidth / 15) * EditorEntriesPerPixel * WaveCache::EntryBytes;
    const double range = double(dataBytes) - EditorViewBytes;
    const double unit = range / ScrollRange;
    Scroll scroll;
    // A picture as wide as the whole track shows all of it but the part of
    // a pixel column at its end: there is nothing to scroll either.
    if (unit < 0 || EditorPictureWidth >= EditorFullWidth) {
        scroll.wholeTrackFits = true;
        value = 0;
    }
    if (EditorViewBytes <= 2 * range) {
        scroll.smallChange = std::clamp(roundToInt(EditorViewBytes * 1000.0 / range), 1, 32767);
        scroll.largeChange = std::clamp(roundToInt(EditorViewBytes * 5000.0 / range), 1, 32767);
    }
    EditorViewStart = value == 0 ? 0 : roundToInt(value * unit) / 50 * 50;
    return scroll;
}

int EditorView::X(int64_t position) const
{
    return int(std::nearbyint((position - EditorViewStart) / EditorBytesPerUnit));
}

int32_t EditorView::CursorAt(double x) const
{
    const int32_t at = roundToInt(x * EditorBytesPerUnit + EditorViewStart);
    return at / 4 * 4;
}

bool EditorView::ZoomIn()
{
    EditorZoomLevel = std::min(EditorZoomLevel + 1, MaximumZoom);
    return EditorZoomLevel < MaximumZoom;
}

bool EditorView::ZoomOut()
{
    EditorZoomLevel = std::max(EditorZoomLevel - 1, MinimumZoom);
    return EditorZoomLevel > MinimumZoom;
}
