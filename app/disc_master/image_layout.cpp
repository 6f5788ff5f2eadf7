#include "image_layout.h"

#include "pq_entries.h"

#include <algorithm>

namespace {

using Kind = LayoutFault::Kind;

// Sets each track's pause, start and end from its points; a track without
// index 01 starts at its first point.
void placeTracks(ImageLayout& layout)
{
    for (qsizetype i = 0; i < layout.tracks.size(); ++i) {
        LaidTrack& track = layout.tracks[i];
        const auto one = std::find_if(track.points.begin(), track.points.end(),
                                      [](const IndexPoint& point) { return point.index == 1; });
        if (one == track.points.end())
            layout.faults.append({Kind::NoIndex01, track.number});
        track.start = one != track.points.end() ? one->frame : track.points.first().frame;
        track.pauseStart = track.points.first().index == 0 ? std::min(track.points.first().frame, track.start)
                                                           : track.start;
    }
    for (qsizetype i = 0; i < layout.tracks.size(); ++i) {
        LaidTrack& track = layout.tracks[i];
        const qint64 next = i + 1 < layout.tracks.size() ? layout.tracks[i + 1].pauseStart
                                                          : layout.leadOut.value_or(track.start);
        track.end = std::max(next, track.start);
    }
}

}  // namespace

ImageLayout LayOut(const QList<ddp::PqPoint>& points)
{
    ImageLayout layout;
    std::optional<qint64> lastFrame;
    for (const ddp::PqPoint& point : points) {
        if (point.track == pq::LeadIn)
            continue;
        if (point.track == pq::LeadOut) {
            if (!layout.leadOut && lastFrame && point.frame <= *lastFrame)
                layout.faults.append({Kind::TimeBackwards, pq::LeadOut, point.index});
            if (!layout.leadOut)
                layout.leadOut = point.frame;
            continue;
        }
        if (layout.tracks.isEmpty() || layout.tracks.last().number != point.track) {
            const int previous = layout.tracks.isEmpty() ? 0 : layout.tracks.last().number;
            if (point.track != previous + 1)
                layout.faults.append({Kind::Numbering, point.track, 0, previous});
            LaidTrack track;
            track.number = point.track;
            track.control = point.control;
            layout.tracks.append(track);
        }
        LaidTrack& track = layout.tracks.last();
        const IndexPoint indexPoint{point.index, point.frame};
        // A writer may repeat an entry, as the lead-out's is repeated.
        if (!track.points.isEmpty() && track.points.last() == indexPoint)
            continue;
        const int expectedIndex = track.points.isEmpty() ? std::min(point.index, 1) : track.points.last().index + 1;
        if (point.index != expectedIndex)
            layout.faults.append({Kind::IndexOrder, point.track, point.index});
        if (lastFrame && point.frame <= *lastFrame)
            layout.faults.append({Kind::TimeBackwards, point.track, point.index});
        lastFrame = point.frame;
        track.points.append(indexPoint);
        if (track.isrc.isEmpty())
            track.isrc = point.isrc;
    }
    if (layout.tracks.isEmpty())
        layout.faults.append({Kind::NoTracks});
    if (!layout.leadOut)
        layout.faults.append({Kind::NoLeadOut});
    placeTracks(layout);
    return layout;
}
