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
//
// A near-silent track (a quiet one whose single full-scale click keeps its
// ceiling low) would pull every other track down to a few per cent: a track
// whose loudness at its ceiling lies more than NearSilentMargin below the
// median of the others' does not set the target. It is raised to its
// ceiling, and the others are matched among themselves.
#pragma once

#include "dialog_outcome.h"
#include "loudness_meter.h"

#include <QList>

#include <cstdint>
#include <optional>

class PlayList;

class LoudnessMatching {
public:
    // In LU (dB of loudness).
    static constexpr double NearSilentMargin = 12;

    struct Levels {
        // A new level per track (same order); none for a track left alone.
        QList<std::optional<int32_t>> levels;
        // The near-silent tracks, by index, raised to their ceilings.
        QList<qsizetype> nearSilent;
    };

    // The loudness of a track measured at level 100 when played at level.
    static double LoudnessAt(double measured, int32_t level);

    // New levels for tracks of the given peaks and measured loudness (same
    // order).
    static Levels MatchedLevels(const QList<int32_t>& peaks, const QList<double>& loudness);

    // The command on the whole list, with every track's status. A track
    // whose measurement failed: its read-error message, and nothing
    // changes. Otherwise one undo copy, the new levels and the rows to
    // redraw, and the message that names the near-silent tracks when there
    // are any; nothing at all when no track has a defined loudness.
    static DialogOutcome MatchAll(PlayList& list, const QList<LoudnessMeter::Status>& statuses);
};
