#include "split_drawing.h"

#include "cd_frame.h"
#include "cd_time.h"
#include "split_marks.h"
#include "split_view.h"
#include "wave_overview.h"

#include <algorithm>
#include <cmath>

namespace splitdrawing {

namespace {

using namespace waveformdrawing;

constexpr int LabelPixels = 90;  // "1:02:03:45" and some room

Shape line(int x1, int y1, int x2, int y2, uint32_t rgb)
{
    return {Shape::Line, x1, y1, x2, y2, rgb, QString(), 8};
}

void waveform(QList<Shape>& shapes, const SplitView& view, int top, int bottom, const WaveOverview& overview)
{
    const int centre = (top + bottom) / 2;
    const int half = std::max(1, (bottom - top) / 2 - 1);
    const int unitsPerValue = std::max(1, 32768 / half);
    for (int x = 0; x < view.width(); ++x) {
        const int64_t first = view.columnFirstFrame(x);
        if (first >= overview.frames())
            break;
        const WaveOverview::Peak peak = overview.span(first, view.columnFrames(x));
        // Picture rows grow downwards: the largest value is the top end.
        shapes << WaveColumn(x, -peak.min, -peak.max, centre, unitsPerValue, 0);
    }
}

void ruler(QList<Shape>& shapes, const SplitView& view, int top)
{
    const int64_t label = LabelStep(view.framesPerPixel());
    const int64_t tick = label >= 5 ? label / 5 : label;
    const double last = view.firstFrame() + view.shownFrames();
    for (int64_t f = int64_t(std::ceil(view.firstFrame() / tick)) * tick; f <= last; f += tick) {
        const int x = int(std::lround(view.xOf(f * cdframe::Samples)));
        if (f % label == 0) {
            shapes << line(x, top, x, top + 8, Yellow)
                   << Shape{Shape::Text, x + 2, top + 6, 0, 0, Yellow, FormatCdTime(f * cdframe::Bytes), 8};
        } else {
            shapes << line(x, top, x, top + 4, Yellow);
        }
    }
}

void markLines(QList<Shape>& shapes, const SplitView& view, int bottom, const SplitMarks& marks, int chosen)
{
    for (int i = 0; i < marks.count(); ++i) {
        const double x = view.xOf(marks.marks()[i].sample);
        if (x < -LabelPixels || x > view.width())
            continue;
        const uint32_t rgb = i == chosen ? Red : marks.marks()[i].proposed ? Cyan : White;
        const int xi = int(std::lround(x));
        shapes << line(xi, 0, xi, bottom, rgb)
               << Shape{Shape::Text, xi + 3, 1, 0, 0, rgb, QString::number(i + 1), 9};
    }
}

}  // namespace

int64_t LabelStep(double framesPerPixel)
{
    static constexpr int64_t Steps[] = {1, 5, 15, 75, 375, 750, 2250, 4500, 9000, 22500, 45000};
    for (const int64_t step : Steps) {
        if (step / framesPerPixel >= LabelPixels)
            return step;
    }
    return Steps[std::size(Steps) - 1] * int64_t(std::ceil(LabelPixels * framesPerPixel / 45000));
}

QList<Shape> Picture(const SplitView& view, int height, const WaveOverview& overview, const SplitMarks& marks,
                     int chosen)
{
    const int waveBottom = std::max(NumberHeight + 2, height - RulerHeight);
    QList<Shape> shapes;
    shapes.reserve(view.width() + 64);
    shapes << Shape{Shape::FilledBox, 0, 0, view.width(), height, Black, QString(), 8};
    waveform(shapes, view, NumberHeight, waveBottom, overview);
    ruler(shapes, view, waveBottom);
    markLines(shapes, view, waveBottom, marks, chosen);
    return shapes;
}

}  // namespace splitdrawing
