#include "level_editing.h"

#include <QCoreApplication>

#include <algorithm>
#include <cmath>
#include <limits>

#include "numeric_prefix.h"
#include "play_list.h"
#include "track_name.h"

namespace {

constexpr qint64 FullScale = 32767;

qint64 effectivePeak(const TrackRecord& r)
{
    return static_cast<qint64>(r.peakValue) * r.levelPercent / 100;
}

// The level that gives a track the effective peak of the reference (peak P
// at level L). A track without any peak (saved at level 0) has nothing to
// match and keeps its level.
void matchReference(TrackRecord& r, qint64 referencePeak, qint64 referenceLevel)
{
    if (r.peakValue == 0)
        return;
    r.levelPercent = static_cast<int32_t>(referencePeak * referenceLevel / r.peakValue);
}

struct Reference {
    int track = 0;  // 0: full scale
    qint64 peak = FullScale;
    qint64 level = 100;
};

Reference findReference(const PlayList& list, bool autoLevel)
{
    Reference reference;
    if (!autoLevel)
        return reference;
    reference.track = LevelEditing::FindLoudestTrack(list);
    const TrackRecord& r = list.TrackAt(reference.track).record;
    reference.peak = r.peakValue;
    reference.level = r.levelPercent;
    return reference;
}

ListChange levelsChanged(QList<int> tracks)
{
    ListChange change;
    change.changed = true;
    change.trackRows = std::move(tracks);
    change.refreshCommands = true;
    change.enableSaveCommands = true;
    return change;
}

}  // namespace

int LevelEditing::FindLoudestTrack(const PlayList& list)
{
    if (list.TrackCount() == 0)
        return 0;
    // Effective peaks stay within 0..32767 (the level rules keep them
    // there), so comparing them at full width orders them as 16-bit values do.
    int best = 1;
    qint64 bestValue = effectivePeak(list.TrackAt(1).record);
    for (int i = 2; i <= list.TrackCount(); ++i) {
        const qint64 value = effectivePeak(list.TrackAt(i).record);
        if (value > bestValue) {
            best = i;
            bestValue = value;
        }
    }
    return best;
}

QString LevelEditing::LevelPrompt(const PlayList& list, int s)
{
    return QCoreApplication::translate("LevelEditing", "%1のLevelを入力してください").arg(TrackName(list, s));
}

QString LevelEditing::LevelText(const PlayList& list, int s)
{
    return QString::number(list.TrackAt(s).record.levelPercent);
}

DialogOutcome LevelEditing::ApplyLevel(PlayList& list, int s, const QString& text)
{
    DialogOutcome outcome;
    const double x = std::fabs(std::floor(NumericPrefix(text)));
    if (ExceedsMaximumVolume(x, list.TrackAt(s).record.peakValue)) {
        outcome.message = VolumeMessage();
        return outcome;
    }
    list.SaveUndo();
    list.TrackAt(s).record.levelPercent = static_cast<int32_t>(x);
    outcome.change = levelsChanged({s});
    return outcome;
}

bool LevelEditing::ExceedsMaximumVolume(double x, int32_t peakValue)
{
    const double peak = peakValue;
    // The products are exact in double for every level that can pass. A
    // level that cannot be stored at all is refused like a too loud one.
    return !std::isfinite(x) || x > std::numeric_limits<int32_t>::max()
        || x * peak > std::numeric_limits<int32_t>::max() || x * peak / 100 > FullScale;
}

int32_t LevelEditing::MaximumLevel(int32_t peakValue)
{
    // The estimate is exact or one off; the rule itself settles the last step.
    auto level = static_cast<int32_t>(FullScale * 100 / std::max<int32_t>(peakValue, 1));
    while (ExceedsMaximumVolume(level, peakValue))
        --level;
    while (!ExceedsMaximumVolume(level + 1.0, peakValue))
        ++level;
    return level;
}

ListChange LevelEditing::NormalizeOne(PlayList& list, bool autoLevel)
{
    const int s = list.SelectedTrack();
    if (list.TrackCount() <= 1 || s < 1 || s > list.TrackCount())
        return {};
    const Reference reference = findReference(list, autoLevel);
    // The loudest track is its own reference: nothing changes, and the undo
    // copy of the previous command stays.
    if (reference.track == s)
        return {};
    list.SaveUndo();
    matchReference(list.TrackAt(s).record, reference.peak, reference.level);
    return levelsChanged({s});
}

ListChange LevelEditing::NormalizeAll(PlayList& list, bool autoLevel)
{
    if (list.TrackCount() <= 1)
        return {};
    const Reference reference = findReference(list, autoLevel);
    list.SaveUndo();
    QList<int> changed;
    for (int i = 1; i <= list.TrackCount(); ++i) {
        if (i == reference.track)
            continue;
        matchReference(list.TrackAt(i).record, reference.peak, reference.level);
        changed.append(i);
    }
    return levelsChanged(changed);
}

ListChange LevelEditing::CompressLevels(PlayList& list)
{
    if (list.TrackCount() == 0)
        return {};
    list.SaveUndo();
    QList<int> changed;
    for (int i = 1; i <= list.TrackCount(); ++i) {
        TrackRecord& r = list.TrackAt(i).record;
        r.levelPercent = static_cast<int32_t>(static_cast<qint64>(r.levelPercent) * 9 / 10);
        changed.append(i);
    }
    return levelsChanged(changed);
}

EditMessage LevelEditing::VolumeMessage()
{
    return {QCoreApplication::translate("LevelEditing", "この設定されたLevelでは最大許容音量を超えてしまいます"), QCoreApplication::translate("LevelEditing", "ｴﾗｰ")};
}
