// All levels matched by loudness: every track is set to the same loudness,
// the highest one that every track can reach at a level the level dialog
// accepts (so no sample is taken past full scale and no limiter is needed).
//
// A track's ceiling is the highest level the level dialog's maximum-volume
// rule accepts for its peak; the loudness it reaches there is its measured
// loudness plus 20*log10(ceiling/100). The target is the lowest of those.
// Each track then gets the highest whole percent whose loudness does not
// pass the target. A track whose loudness is undefined (all of it below
// the absolute gate) keeps its level and does not take part in the target.
#pragma once

#include "dialog_outcome.h"
#include "loudness_meter.h"

#include <QList>

#include <cstdint>
#include <optional>

class PlayList;

class LoudnessMatching {
public:
    // The loudness of a track measured at level 100 when played at level.
    static double LoudnessAt(double measured, int32_t level);

    // New levels for tracks of the given peaks and measured loudness (same
    // order); no level for a track that is left alone.
    static QList<std::optional<int32_t>> MatchedLevels(const QList<int32_t>& peaks, const QList<double>& loudness);

    // The command on the whole list, with every track's status. A track
    // whose measurement failed: its read-error message, and nothing
    // changes. Otherwise one undo copy, the new levels, and the rows to
    // redraw; nothing at all when no track has a defined loudness.
    static DialogOutcome MatchAll(PlayList& list, const QList<LoudnessMeter::Status>& statuses);
};
