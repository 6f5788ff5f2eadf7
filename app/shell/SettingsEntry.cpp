#include "SettingsEntry.h"

#include "CurveExponent.h"
#include "cd_frame.h"
#include "numeric_prefix.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

constexpr int FramesPerSecond = int(cdframe::PerSecond);

// |int(value)|: rounded down, then without sign; not-a-number counts 0.
double wholeMagnitude(double value)
{
    return std::isnan(value) ? 0.0 : std::fabs(std::floor(value));
}

}  // namespace

SettingsEntry SettingsEntry::from(const Settings& settings)
{
    SettingsEntry entry;
    entry.seconds = QString::number(settings.AutoMute / FramesPerSecond);
    entry.frames = QString::number(settings.AutoMute % FramesPerSecond);
    entry.readPeak = settings.ReadPeak;
    entry.autoLevel = settings.AutoLevel;
    entry.fadeInTenths = curveexponent::tenthsOf(settings.FadeInEnv);
    entry.fadeOutTenths = curveexponent::tenthsOf(settings.FadeOutEnv);
    return entry;
}

int32_t SettingsEntry::autoMute() const
{
    const double count =
        wholeMagnitude(NumericPrefix(frames)) + wholeMagnitude(NumericPrefix(seconds)) * FramesPerSecond;
    return int32_t(std::min(count, double(std::numeric_limits<int32_t>::max())));
}

Settings SettingsEntry::appliedTo(Settings settings) const
{
    settings.AutoMute = autoMute();
    settings.ReadPeak = readPeak;
    settings.AutoLevel = autoLevel;
    settings.FadeInEnv = float(fadeInTenths / 10.0);
    settings.FadeOutEnv = float(fadeOutTenths / 10.0);
    return settings;
}
