#include "saved_files_check.h"

#include "BuildSaveName.h"
#include "EngineClient.h"
#include "play_list.h"
#include "wav_builder.h"

#include <QSet>

#include <algorithm>
#include <cstdlib>
#include <cstring>

namespace userrun {
namespace {

constexpr size_t HeaderBytes = 44;
constexpr int Silence = 80;          // the program's silence threshold
constexpr int64_t SectorBytes = 2352;
// A level above 100 % lifts quiet samples next to the sound above the
// threshold, so the silence measured here may end a little earlier than
// the one the engine measured before the level was applied.
constexpr int64_t ToleranceBytes = 3528;  // 20 ms

QString describeDifference(const std::vector<uint8_t>& actual, const std::vector<uint8_t>& expected)
{
    if (actual.size() != expected.size())
        return QStringLiteral("%1 bytes, the engine renders %2").arg(actual.size()).arg(expected.size());
    const auto at = std::mismatch(actual.begin(), actual.end(), expected.begin());
    return QStringLiteral("first differs at byte %1").arg(at.first - actual.begin());
}

// The samples of a saved file: the accepted header is 44 bytes long.
std::vector<int16_t> samplesOf(const std::vector<uint8_t>& file)
{
    std::vector<int16_t> samples((file.size() - std::min(file.size(), HeaderBytes)) / 2);
    std::memcpy(samples.data(), file.data() + HeaderBytes, samples.size() * 2);
    return samples;
}

bool silent(const std::vector<int16_t>& samples, size_t frame)
{
    return std::abs(samples[frame * 2]) <= Silence && std::abs(samples[frame * 2 + 1]) <= Silence;
}

int64_t headSilenceBytes(const std::vector<int16_t>& samples)
{
    size_t frame = 0;
    while (frame < samples.size() / 2 && silent(samples, frame))
        ++frame;
    return int64_t(frame) * 4;
}

int64_t tailSilenceBytes(const std::vector<int16_t>& samples)
{
    size_t frames = samples.size() / 2;
    size_t frame = frames;
    while (frame > 0 && silent(samples, frame - 1))
        --frame;
    return int64_t(frames - frame) * 4;
}

int peakOf(const std::vector<int16_t>& samples)
{
    int peak = 0;
    for (int16_t sample : samples)
        peak = std::max(peak, std::abs(int(sample)));
    return peak;
}

}  // namespace

QStringList savedNames(const PlayList& list)
{
    QStringList names;
    for (int i = 1; i <= list.TrackCount(); ++i)
        names << BuildSaveName(i, list.TrackAt(i).title);
    return names;
}

void checkSavedFiles(const PlayList& list, const std::filesystem::path& saved, const std::filesystem::path& scratch,
                     QStringList& failures)
{
    const QStringList names = savedNames(list);
    QStringList present;
    for (const auto& entry : std::filesystem::directory_iterator(saved))
        present << QString::fromStdString(entry.path().filename().string());
    if (QSet<QString>(present.begin(), present.end()) != QSet<QString>(names.begin(), names.end()))
        failures << QStringLiteral("saved folder holds [%1], expected [%2]")
                        .arg(present.join(QStringLiteral(", ")), names.join(QStringLiteral(", ")));

    for (int i = 1; i <= list.TrackCount(); ++i) {
        const std::filesystem::path savedFile = saved / names[i - 1].toStdString();
        if (!std::filesystem::exists(savedFile))
            continue;
        const std::filesystem::path rendered = scratch / names[i - 1].toStdString();
        Track track = list.TrackAt(i);
        const int32_t result =
            engineclient::save(track, QString::fromStdString(rendered.string()), true, nullptr);
        if (result != ENGINE_SUCCESS) {
            failures << QStringLiteral("FileSave of track %1 returned %2").arg(i).arg(result);
            continue;
        }
        const std::vector<uint8_t> actual = testsupport::readFile(savedFile);
        const std::vector<uint8_t> expected = testsupport::readFile(rendered);
        std::filesystem::remove(rendered);
        if (actual != expected)
            failures << QStringLiteral("%1: %2").arg(names[i - 1], describeDifference(actual, expected));
    }
}

void checkLevelsAndGaps(const std::filesystem::path& saved, const QStringList& names, int32_t autoMute,
                        QStringList& failures)
{
    std::vector<std::vector<int16_t>> tracks;
    for (const QString& name : names) {
        const std::filesystem::path file = saved / name.toStdString();
        if (!std::filesystem::exists(file))
            return;
        tracks.push_back(samplesOf(testsupport::readFile(file)));
    }
    std::vector<int> peaks;
    for (const auto& samples : tracks)
        peaks.push_back(peakOf(samples));
    const int loudest = *std::max_element(peaks.begin(), peaks.end());
    for (size_t i = 0; i < peaks.size(); ++i) {
        if (peaks[i] < loudest * 99 / 100)
            failures << QStringLiteral("%1 peaks at %2 after normalising, the loudest track at %3")
                            .arg(names[i])
                            .arg(peaks[i])
                            .arg(loudest);
    }
    // Each gap counts whole sectors of the two silences it joins, so the
    // silence heard lies up to two sectors above the gap set.
    const int64_t gap = int64_t(autoMute) * SectorBytes;
    for (size_t i = 0; i + 1 < tracks.size(); ++i) {
        const int64_t heard = tailSilenceBytes(tracks[i]) + headSilenceBytes(tracks[i + 1]);
        if (heard < gap - ToleranceBytes || heard >= gap + 2 * SectorBytes + ToleranceBytes)
            failures << QStringLiteral("silence between %1 and %2 is %3 bytes, the gap set is %4 bytes")
                            .arg(names[i], names[i + 1])
                            .arg(heard)
                            .arg(gap);
    }
}

}  // namespace userrun
