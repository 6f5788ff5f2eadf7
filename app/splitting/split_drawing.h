// The split window's picture as shapes in pixels: the waveform of the part
// of the recording in view, a time ruler in CD time under it, and the marks
// as numbered lines (the chosen one red, proposals cyan). The play line is
// drawn by the window over this picture, so that following playback never
// rebuilds it.
#pragma once

#include "shape.h"

#include <QList>

class SplitMarks;
class SplitView;
class WaveOverview;

namespace splitdrawing {

inline constexpr int RulerHeight = 24;
inline constexpr int NumberHeight = 16;

// The picture for a view `height` pixels high; chosen is the chosen mark's
// index, or -1.
QList<Shape> Picture(const SplitView& view, int height, const WaveOverview& overview, const SplitMarks& marks,
                     int chosen);

// The ruler's step between labelled ticks, in frames: the shortest of a
// fixed series (1 frame up to 10 minutes) that leaves room for a label.
int64_t LabelStep(double framesPerPixel);

}  // namespace splitdrawing
