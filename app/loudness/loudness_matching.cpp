#include "loudness_matching.h"

#include "level_editing.h"
#include "loudness_texts.h"
#include "play_list.h"

#include <algorithm>
#include <cmath>
#include <limits>

double LoudnessMatching::LoudnessAt(double measured, int32_t level)
{
    return measured + 20 * std::log10(level / 100.0);
}

namespace {

double median(QList<double> values)
{
    std::sort(values.begin(), values.end());
    const qsizetype middle = values.size() / 2;
    return values.size() % 2 == 1 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

// The highest whole percent up to ceiling whose loudness does not pass the
// target. The estimate can be a step off either way; the comparison itself,
// the one that chose the target, settles it, so the track that sets the
// target lands exactly on its ceiling.
int32_t levelFor(double loudness, int32_t ceiling, double target)
{
    auto level = static_cast<int32_t>(
        std::min<double>(ceiling, std::floor(100 * std::pow(10.0, (target - loudness) / 20))));
    while (level < ceiling && LoudnessMatching::LoudnessAt(loudness, level + 1) <= target)
        ++level;
    while (level > 0 && LoudnessMatching::LoudnessAt(loudness, level) > target)
        --level;
    return level;
}

}  // namespace

LoudnessMatching::Levels LoudnessMatching::MatchedLevels(const QList<int32_t>& peaks, const QList<double>& loudness)
{
    Levels result;
    result.levels.resize(peaks.size());
    QList<qsizetype> matched;
    QList<int32_t> ceilings(peaks.size());
    QList<double> atCeiling(peaks.size());
    for (qsizetype i = 0; i < peaks.size(); ++i) {
        if (!std::isfinite(loudness[i]) || peaks[i] <= 0)
            continue;
        ceilings[i] = LevelEditing::MaximumLevel(peaks[i]);
        atCeiling[i] = LoudnessAt(loudness[i], ceilings[i]);
        matched.append(i);
    }
    double target = std::numeric_limits<double>::infinity();
    for (const qsizetype i : matched) {
        QList<double> others;
        for (const qsizetype j : matched) {
            if (j != i)
                others.append(atCeiling[j]);
        }
        if (!others.isEmpty() && atCeiling[i] < median(others) - NearSilentMargin)
            result.nearSilent.append(i);
        else
            target = std::min(target, atCeiling[i]);
    }
    for (const qsizetype i : matched)
        result.levels[i] = result.nearSilent.contains(i) ? ceilings[i] : levelFor(loudness[i], ceilings[i], target);
    return result;
}

DialogOutcome LoudnessMatching::MatchAll(PlayList& list, const QList<LoudnessMeter::Status>& statuses)
{
    DialogOutcome outcome;
    QList<int32_t> peaks;
    QList<double> loudness;
    for (int i = 1; i <= list.TrackCount(); ++i) {
        const LoudnessMeter::Status& status = statuses.at(i - 1);
        if (status.state != LoudnessMeter::Status::Measured) {
            outcome.message = LoudnessTexts::ReadErrorMessage(list.TrackAt(i).title, status.error);
            return outcome;
        }
        peaks.append(list.TrackAt(i).record.peakValue);
        loudness.append(status.figures.integrated);
    }
    const Levels matched = MatchedLevels(peaks, loudness);
    const QList<std::optional<int32_t>>& levels = matched.levels;
    if (std::none_of(levels.begin(), levels.end(), [](const auto& level) { return level.has_value(); }))
        return outcome;
    list.SaveUndo();
    ListChange& change = outcome.change;
    for (int i = 1; i <= list.TrackCount(); ++i) {
        if (!levels.at(i - 1))
            continue;
        list.TrackAt(i).record.levelPercent = *levels.at(i - 1);
        change.trackRows.append(i);
    }
    change.changed = true;
    change.refreshCommands = true;
    change.enableSaveCommands = true;
    if (!matched.nearSilent.isEmpty()) {
        QList<LoudnessTexts::NamedTrack> named;
        for (const qsizetype i : matched.nearSilent)
            named.append({int(i) + 1, list.TrackAt(int(i) + 1).title});
        outcome.message = LoudnessTexts::NearSilentMessage(named);
    }
    return outcome;
}
