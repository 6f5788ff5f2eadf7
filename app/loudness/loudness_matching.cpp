#include "loudness_matching.h"

#include "level_editing.h"
#include "loudness_texts.h"
#include "play_list.h"

#include <cmath>
#include <limits>

double LoudnessMatching::LoudnessAt(double measured, int32_t level)
{
    return measured + 20 * std::log10(level / 100.0);
}

QList<std::optional<int32_t>> LoudnessMatching::MatchedLevels(const QList<int32_t>& peaks,
                                                              const QList<double>& loudness)
{
    QList<std::optional<int32_t>> levels(peaks.size());
    double target = std::numeric_limits<double>::infinity();
    for (qsizetype i = 0; i < peaks.size(); ++i) {
        if (std::isfinite(loudness[i]) && peaks[i] > 0)
            target = std::min(target, LoudnessAt(loudness[i], LevelEditing::MaximumLevel(peaks[i])));
    }
    if (!std::isfinite(target))
        return levels;
    for (qsizetype i = 0; i < peaks.size(); ++i) {
        if (!std::isfinite(loudness[i]) || peaks[i] <= 0)
            continue;
        // The estimate can be a step off either way; the comparison itself,
        // the one that chose the target, settles it, so the track that sets
        // the target lands exactly on its ceiling.
        const int32_t ceiling = LevelEditing::MaximumLevel(peaks[i]);
        auto level = static_cast<int32_t>(
            std::min<double>(ceiling, std::floor(100 * std::pow(10.0, (target - loudness[i]) / 20))));
        while (level < ceiling && LoudnessAt(loudness[i], level + 1) <= target)
            ++level;
        while (level > 0 && LoudnessAt(loudness[i], level) > target)
            --level;
        levels[i] = level;
    }
    return levels;
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
    const QList<std::optional<int32_t>> levels = MatchedLevels(peaks, loudness);
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
    return outcome;
}
