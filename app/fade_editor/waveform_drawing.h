// What the fade editor's picture shows, as a list of shapes in picture
// units: the silence zones, the waveform from the cache, the time ruler, the
// fade outlines and the cursor marks. The window replays the list on its
// picture; building it needs no widget.
#pragma once

#include "editor_view.h"
#include "welvox.h"

#include <QList>
#include <QString>

#include <cstdint>
#include <functional>

class WaveCache;

struct Shape {
    enum Kind { Line, FilledBox, Point, Text };

    Kind kind = Line;
    int x1 = 0;
    int y1 = 0;
    int x2 = 0;  // lines and boxes only
    int y2 = 0;
    uint32_t rgb = 0;  // 0xRRGGBB
    QString text;      // Text only, its top left at (x1, y1)
    int fontSize = 8;  // Text only, in points

    bool operator==(const Shape&) const = default;
};

namespace waveformdrawing {

inline constexpr uint32_t Black = 0x000000;
inline constexpr uint32_t Grey = 0x808080;
inline constexpr uint32_t LightGrey = 0xC0C0C0;
inline constexpr uint32_t Green = 0x00FF00;
inline constexpr uint32_t Yellow = 0xFFFF00;
inline constexpr uint32_t Cyan = 0x00FFFF;
inline constexpr uint32_t Red = 0xFF0000;

inline constexpr int CentreLine = 1000;
inline constexpr int TopLine = 200;     // full level upwards
inline constexpr int BottomLine = 1800; // full level downwards

// Reads blocks into the cache: LoadWaveBlocks with the track's file.
using BlockLoader = std::function<void(int firstSlot, int count, int32_t offset)>;

// RedrawWaveform without the clearing and the cursor: makes the cache cover
// the view (loading through load), then the silence zones, the waveform,
// the ruler and the fade outlines of record r. Columns past the end of the
// data are left black.
QList<Shape> Waveform(const EditorView& view, const TrackRecord& r, const WaveCache& cache,
                      const BlockLoader& load);

// DrawCursor's marks: erase the old ones, then "▼" above and "▲" below the
// cursor.
QList<Shape> CursorMarks(const EditorView& view);

// The number of blocks from the view's start on that the cache lacks, up to
// the number the view needs (RedrawWaveform's second step). Blocks that
// begin at or after the end of the data hold nothing to draw and count as
// present.
int MissingBlocks(const EditorView& view, const WaveCache& cache, int32_t dataBytes);

}  // namespace waveformdrawing
