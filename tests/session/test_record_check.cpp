// A stored record is listed as it is only when it is consistent: one table
// of records, each differing from an analysed one in one way.
#include "record_check.h"

#include <gtest/gtest.h>

#include <functional>
#include <limits>

namespace {

constexpr qint64 FileBytes = 44 + 176400;

// One second of 16-bit stereo with 0.1 s of silence at each end, as
// analysis leaves it.
TrackRecord analysed()
{
    TrackRecord r{};
    r.dataOffset = 44;
    r.dataBytes = 176400;
    r.riffBytes = 176400 + 36;
    r.preMutePoint = r.preMuteBytes = r.origPreMutePoint = 17640;
    r.postMutePoint = r.origPostMutePoint = 158760;
    r.soundBytes = r.postMutePoint - r.preMutePoint;
    r.postMuteBytes = r.dataBytes - r.postMutePoint;
    r.levelPercent = 100;
    r.peakValue = 10000;
    r.peakOffset = 88200;
    r.preDigitalMute = r.postDigitalMute = r.fadeInEnd = r.fadeOutStart = -1;
    r.fadeInCurve = r.fadeOutCurve = -1.0f;
    return r;
}

void fadeIn(TrackRecord& r, int32_t end, float curve)
{
    r.preDigitalMute = r.preMutePoint;
    r.fadeInEnd = end;
    r.fadeInBytes = end - r.preMutePoint;
    r.fadeInCurve = curve;
}

}  // namespace

TEST(RecordIsConsistent, JudgesEachInvariant)
{
    const struct {
        const char* name;
        std::function<void(TrackRecord&)> change;
        bool consistent;
        qint64 fileBytes = FileBytes;
    } rows[] = {
        {"as analysed", [](TrackRecord&) {}, true},
        {"with a fade-in", [](TrackRecord& r) { fadeIn(r, 26460, 2.0f); }, true},
        {"with a fade-out to the data's end",
         [](TrackRecord& r) {
             r.fadeOutStart = r.postMutePoint - 8820;
             r.postDigitalMute = r.dataBytes;
             r.fadeOutBytes = r.postDigitalMute - r.fadeOutStart;
             r.fadeOutCurve = 0.5f;
         },
         true},
        {"with silence appended", [](TrackRecord& r) { r.muteAdjustBytes = 2352 * 75; }, true},
        {"data ending in half a frame", [](TrackRecord& r) { r.dataBytes += 2, r.postMuteBytes += 2; }, true,
         FileBytes + 2},
        {"a header shorter than 44 bytes", [](TrackRecord& r) { r.dataOffset = 40; }, false},
        {"data past the file's end", [](TrackRecord&) {}, false, FileBytes - 4},
        {"a mute point off a frame", [](TrackRecord& r) { r.origPreMutePoint += 2; }, false},
        {"a fade-in end off a frame", [](TrackRecord& r) { fadeIn(r, 26462, 2.0f); }, false},
        {"a fade-in without its curve", [](TrackRecord& r) { fadeIn(r, 26460, -1.0f); }, false},
        {"lengths that disagree", [](TrackRecord& r) { r.soundBytes += 4; }, false},
        {"a level that clips", [](TrackRecord& r) { r.levelPercent = 400; }, false},
        {"a removed mute cutting into the sound", [](TrackRecord& r) { r.muteAdjustBytes = -r.postMuteBytes - 4; },
         false},
        {"an appended mute past 32-bit sizes",
         [](TrackRecord& r) { r.muteAdjustBytes = std::numeric_limits<int32_t>::max() - r.dataBytes; }, false},
    };
    for (const auto& row : rows) {
        TrackRecord record = analysed();
        row.change(record);
        EXPECT_EQ(RecordIsConsistent(record, row.fileBytes), row.consistent) << row.name;
    }
}
