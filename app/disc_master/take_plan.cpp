#include "take_plan.h"

#include "cd_frame.h"
#include "disc_layout.h"
#include "pq_entries.h"

#include <algorithm>

namespace {

std::optional<TakeRefusal> refusalOf(const DdpImage& image, const ImageLayout& layout, int maxTracks)
{
    const StreamFile* main = image.mainStream();
    if (main == nullptr || main->state != StreamFile::State::Present)
        return TakeRefusal{TakeRefusal::Kind::MainData};
    if (image.pqProblem != SubcodeProblem::None || image.pq.fault || !layout.faults.isEmpty())
        return TakeRefusal{TakeRefusal::Kind::Pq};
    if (layout.tracks.size() > maxTracks)
        return TakeRefusal{TakeRefusal::Kind::TooManyTracks, int(layout.tracks.size())};
    return std::nullopt;
}

// Control flags other than those of plain two-channel audio: the list's
// tracks have none of their own.
bool plainAudio(const QByteArray& control)
{
    const QByteArray flags = control.trimmed();
    return flags.isEmpty() || flags == "00" || flags == "01";
}

}  // namespace

qint64 TakePlan::totalBytes() const
{
    qint64 total = preGapBytes;
    for (const PlannedTrack& track : tracks)
        total += track.bytes + track.pauseBytes;
    return total;
}

TakePlan PlanTake(const DdpImage& image, const ImageLayout& layout, int maxTracks)
{
    TakePlan plan;
    plan.refusal = refusalOf(image, layout, maxTracks);
    if (plan.refusal)
        return plan;
    const StreamFile& main = *image.mainStream();
    plan.mainFile = main.path;
    // The frames the file holds: from the packet's start, as many as both
    // the map and the file's size give.
    const qint64 first = main.packet.start;
    const qint64 held = std::max<qint64>(0, main.size - main.packet.byteOffset) / cdframe::Bytes;
    const qint64 end = first + std::min(main.packet.length, held);
    const auto byteOf = [&main, first](qint64 frame) { return main.packet.byteOffset + (frame - first) * cdframe::Bytes; };
    for (qsizetype i = 0; i < layout.tracks.size(); ++i) {
        const LaidTrack& track = layout.tracks[i];
        // Track 1's pre-gap need not be in the file; a later track's pause
        // is taken with the track before it.
        if ((i == 0 ? track.start : track.pauseStart) < first || track.end > end) {
            plan.tracks.clear();
            plan.refusal = TakeRefusal{TakeRefusal::Kind::BeyondStream, track.number};
            return plan;
        }
        const qint64 pause = i + 1 < layout.tracks.size() ? layout.tracks[i + 1].pauseFrames() : 0;
        plan.tracks.append({track.number, byteOf(track.start), track.frames() * cdframe::Bytes, pause * cdframe::Bytes});
        if (track.laterIndexes())
            plan.notes.append({TakeNote::Kind::LaterIndexes, track.number});
        if (!plainAudio(track.control))
            plan.notes.append({TakeNote::Kind::Control, track.number});
    }
    const LaidTrack& one = layout.tracks.first();
    if (one.start != DiscLayout::PreGapFrames)
        plan.notes.append({TakeNote::Kind::PreGapLength, one.number});
    plan.preGapFirstByte = byteOf(first);
    plan.preGapBytes = std::max<qint64>(0, one.start - first) * cdframe::Bytes;
    if (end > layout.leadOut.value_or(end))
        plan.notes.append({TakeNote::Kind::AfterLeadOut});
    return plan;
}
