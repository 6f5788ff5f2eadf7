// What the fade editor's picture shows, as a list of shapes in picture
// units: the silence zones, the waveform from the cache, the time ruler, the
// fade outlines and the cursor marks. The window replays the list on its
// picture; building it needs no widget.
#pragma once

#include "editor_view.h"
#include "shape.h"
#include "welvox.h"

#include <QList>
#include <QString>

#include <cstdint>
#include <functional>

class WaveCache;

namespace waveformdrawing {

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
