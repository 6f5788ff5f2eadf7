#include "play_bar_scene.h"

#include "play_list.h"

#include <cmath>

QString MinuteLabel(qint64 minute)
{
    return QStringLiteral("%1:%2:00").arg(minute / 60).arg(minute % 60, 2, 10, QLatin1Char('0'));
}

namespace {

void addTracks(PlayBarScene& scene, const PlayList& list, const PlayBarView& view)
{
    const qint64 viewStart = view.PlayBarViewStart();
    const qint64 viewEnd = view.ViewEnd();
    for (int h = 1; h <= list.TrackCount(); ++h) {
        const TimelineEntry& entry = list.TrackTimeline()[size_t(h)];
        const Track& track = list.TrackAt(h);
        if (entry.soundStart > viewEnd || entry.soundEnd < viewStart)
            continue;
        PlayBarScene::TrackShapes shapes;
        // A box that starts left of the view hides its left border there.
        shapes.x1 = entry.soundStart < viewStart ? -20 : view.X(entry.soundStart);
        shapes.x2 = entry.soundEnd > viewEnd ? view.PlayBarWidth() : view.X(entry.soundEnd);
        shapes.color = track.record.color;
        const qint64 peak = entry.start + track.record.peakOffset;
        if (viewStart < peak && peak < viewEnd)
            shapes.peakX = view.X(peak);
        if (entry.start >= viewStart) {
            shapes.title = track.title;
            // A title longer than its box and gap would run into the next
            // box, which is drawn over it, and leave fragments in the gaps.
            if (h < list.TrackCount() && list.TrackTimeline()[size_t(h) + 1].soundStart <= viewEnd)
                shapes.titleRight = view.X(list.TrackTimeline()[size_t(h) + 1].soundStart);
        }
        scene.tracks.push_back(std::move(shapes));
    }
}

// One tick a minute across the picture and one beyond it. x moves on by the
// rounded width of a minute from the previous rounded x, as designed, so the
// rounding of each step carries into the next.
void addRuler(PlayBarScene& scene, const PlayBarView& view)
{
    const qint64 viewStart = view.PlayBarViewStart();
    const double bytesPerUnit = view.PlayBarBytesPerUnit();
    const qint64 first = viewStart / PlayBarView::MinuteBytes;
    const qint64 last = first + qint64(view.PlayBarWidth()) * view.PlayBarBytesPerUnit() / PlayBarView::MinuteBytes + 1;
    double x = std::nearbyint(-double(viewStart % PlayBarView::MinuteBytes) / bytesPerUnit);
    for (qint64 minute = first; minute <= last; ++minute) {
        PlayBarScene::Tick tick{int(x), std::nullopt};
        if (minute % 5 == 0)
            tick.label = MinuteLabel(minute);
        scene.ticks.push_back(std::move(tick));
        x = std::nearbyint(double(PlayBarView::MinuteBytes) / bytesPerUnit + x);
    }
}

}  // namespace

PlayBarScene BuildPlayBarScene(const PlayList& list, const PlayBarView& view, qint64 pointer)
{
    PlayBarScene scene;
    addTracks(scene, list, view);
    addRuler(scene, view);
    if (view.PlayBarViewStart() <= pointer && pointer <= view.ViewEnd())
        scene.pointerX = int((pointer - view.PlayBarViewStart()) / view.PlayBarBytesPerUnit());
    return scene;
}
