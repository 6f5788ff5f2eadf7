// The player's and the play bar's arithmetic without windows: excerpt
// starts, track advance, the editor's play line, the view's zoom and
// scrolling, the drawing plan, SerchPlayMusicNo and the peak buttons.
#include <gtest/gtest.h>

#include "FakePrompts.h"
#include "peak_jump.h"
#include "play_bar_picture.h"
#include "play_bar_scene.h"
#include "play_bar_view.h"
#include "player.h"
#include "player_rules.h"
#include "track_factory.h"

#include <QCoreApplication>
#include <QTimer>

namespace {

using namespace playerrules;
constexpr int32_t Second = 176400;

TrackRecord record(int32_t dataBytes, int32_t peak, int32_t postMutePoint, int32_t muteAdjust = 0)
{
    TrackRecord r = playlisttest::analysed(dataBytes, 0, dataBytes - postMutePoint);
    r.peakOffset = peak;
    r.muteAdjustBytes = muteAdjust;
    return r;
}

TEST(PlayerRules, PeakExcerptStart)
{
    struct Row {
        int32_t peak, postMute;
        bool wholeFrames;
        int32_t start;
    } rows[] = {
        {4 * Second, 10 * Second, true, Second},        // 3 s before the peak
        {Second, 10 * Second, true, 0},                  // peak within the first 3 s
        {PeakLeadBytes + 3, 10 * Second, false, 3},      // as it stands
        {PeakLeadBytes + 3, 10 * Second, true, 0},       // down to a whole frame
        {7 * Second, 6 * Second, true, 3 * Second},      // peak after the end of sound
        {7 * Second, 2 * Second, true, 0},               // ... which lies within 3 s
    };
    for (const Row& row : rows)
        EXPECT_EQ(PeakExcerptStart(record(10 * Second, row.peak, row.postMute), row.wholeFrames), row.start)
            << row.peak << " " << row.postMute;
}

TEST(PlayerRules, AdvanceEvent)
{
    // 10 s of data with 1 s cut off its end, peak at 4 s.
    const TrackRecord cut = record(10 * Second, 4 * Second, 10 * Second, -Second);
    // Peak at 8.5 s: the excerpt reaches the track's end first.
    const TrackRecord late = record(10 * Second, 8 * Second + Second / 2, 10 * Second);
    struct Row {
        const TrackRecord& r;
        int32_t position;
        bool peakRun, last;
        PlayBarEventCode event;
    } rows[] = {
        {cut, 9 * Second - 4, false, false, NoEvent},
        {cut, 9 * Second, false, false, NextTrack},  // the cut end counts
        {cut, 9 * Second + 16384, false, true, NoEvent},
        {cut, 7 * Second - 4, true, false, NoEvent},
        {cut, 7 * Second, true, false, NextExcerpt},
        {cut, 7 * Second, true, true, NoEvent},
        {late, 10 * Second - 4, true, false, NoEvent},
        {late, 10 * Second, true, false, NextExcerpt},
    };
    for (const Row& row : rows)
        EXPECT_EQ(AdvanceEvent(row.r, row.position, row.peakRun, row.last), row.event) << row.position;
}

TEST(PlayerRules, EditorPlayLineRoundsHalvesToEven)
{
    EXPECT_EQ(EditorMarkerXFor(32768 + 250, 0, 100), 2);
    EXPECT_EQ(EditorMarkerXFor(32768 + 350, 0, 100), 4);
    EXPECT_EQ(EditorMarkerXFor(1000 + 32768 - 50, 1000, 100), 0);
    EXPECT_TRUE(EditorShowsPosition(1000 + 5000 + 65536, 1000, 5000));
    EXPECT_FALSE(EditorShowsPosition(1000 + 5000 + 65540, 1000, 5000));
    EXPECT_FALSE(EditorShowsPosition(996, 1000, 5000));
}

TEST(PlayBarView, ZoomStopsAtTheTableEnds)
{
    PlayBarView view;
    EXPECT_FALSE(view.ZoomIn());
    EXPECT_TRUE(view.ZoomIn());
    EXPECT_EQ(view.PlayBarBytesPerUnit(), 10000);
    for (int step = 0; step < 3; ++step)
        EXPECT_FALSE(view.ZoomOut());
    EXPECT_TRUE(view.ZoomOut());
    EXPECT_EQ(view.PlayBarZoomLevel(), -2);
    EXPECT_EQ(view.PlayBarBytesPerUnit(), 70000);
}

TEST(PlayBarView, ScrollMovesTheViewByTheTwoHourTimeline)
{
    PlayBarView view;
    // 7815 units at 30,000 bytes: 234,450,000 bytes shown, 103,563 bytes a step.
    const PlayBarView::ScrollSteps steps = view.Scroll(5000, 7815);
    EXPECT_EQ(view.PlayBarViewStart(), 517815000);
    EXPECT_EQ(steps.smallChange, 226);
    EXPECT_EQ(steps.largeChange, 1132);
    view.Scroll(3, 7815);
    EXPECT_EQ(view.PlayBarViewStart(), 310688);  // 310,689 down to a whole frame
    view.Scroll(0, 7815);
    EXPECT_EQ(view.PlayBarViewStart(), 0);
}

// T1: 10 s, peak at 4 s. T2: 5 s, peak at 1 s, 2 s of silence added.
// T3: 8 s, sound ends at 6 s, peak at 7 s. T3 starts at 17 s.
class KnownList : public ::testing::Test {
protected:
    void SetUp() override
    {
        playlisttest::fill(list, {record(10 * Second, 4 * Second, 10 * Second),
                                  record(5 * Second, Second, 5 * Second, 2 * Second),
                                  record(8 * Second, 7 * Second, 6 * Second)});
        list.UpdateTimeline(1, 3);
    }
    PlayList list;
    PlayBarView view;
};

TEST_F(KnownList, SerchPlayMusicNo)
{
    struct Row {
        qint64 position, rounded;
        int track;
        qint64 offset;
    } rows[] = {
        {0, 0, 1, 0},
        {7, 4, 1, 4},
        {10 * Second - 1, 10 * Second - 4, 1, 10 * Second - 4},
        {10 * Second, 10 * Second, 2, 0},
        {15 * Second, 15 * Second, 2, 5 * Second},      // in its added silence
        {17 * Second - 1, 17 * Second - 4, 2, 7 * Second - 4},
        {17 * Second, 17 * Second, 3, 0},
        {25 * Second, 25 * Second, -1, 0},              // after the list
    };
    for (const Row& row : rows) {
        qint64 position = row.position;
        view.SerchPlayMusicNo(list, position);
        EXPECT_EQ(position, row.rounded);
        EXPECT_EQ(view.FoundTrack(), row.track) << row.position;
        EXPECT_EQ(view.FoundOffset(), row.offset) << row.position;
    }
    qint64 position = 0;
    view.SerchPlayMusicNo(PlayList(), position);
    EXPECT_EQ(view.FoundTrack(), -1);
}

TEST_F(KnownList, PeakJumpTarget)
{
    using M = PeakJumpMode;
    struct Row {
        const char* what;
        M mode;
        int found;
        qint64 offset;
        int track;  // 0: nothing happens
        int start;
    } rows[] = {
        {"peak run at the track under the pointer", M::PeakRun, 2, 0, 2, 0},
        {"peak run after the list", M::PeakRun, -1, 0, 0, 0},
        {"next before the excerpt began", M::NextPeak, 1, Second - 4, 1, Second},
        {"next once the excerpt began", M::NextPeak, 1, Second, 2, 0},
        {"next on the last track after its excerpt began", M::NextPeak, 3, 4 * Second, 0, 0},
        {"next after the list", M::NextPeak, -1, 0, 0, 0},
        {"previous after the list: the last excerpt", M::PreviousPeak, -1, 0, 3, 3 * Second},
        {"previous within the excerpt", M::PreviousPeak, 2, 4 * Second - 4, 1, Second},
        {"previous past the excerpt's end: the same", M::PreviousPeak, 2, 4 * Second, 2, 0},
        {"previous from the first track", M::PreviousPeak, 1, 0, 0, 0},
    };
    for (const Row& row : rows) {
        const auto target = PeakJumpTarget(list, row.mode, row.found, row.offset);
        EXPECT_EQ(target ? target->track : 0, row.track) << row.what;
        EXPECT_EQ(target ? target->start : 0, row.start) << row.what;
    }
}

TEST_F(KnownList, SceneOfAScrolledView)
{
    view.SetPlayBarWidth(7815);
    view.Scroll(6, 7815);  // 621,378 bytes, down to a whole frame
    ASSERT_EQ(view.PlayBarViewStart(), 621376);
    const PlayBarScene scene = BuildPlayBarScene(list, view, 600000);
    ASSERT_EQ(scene.tracks.size(), 3u);
    // T1 began left of the view: its left border is hidden, its title too.
    EXPECT_EQ(scene.tracks[0].x1, -20);
    EXPECT_EQ(scene.tracks[0].x2, 38);     // 1,142,624 / 30,000 = 38.09
    EXPECT_EQ(scene.tracks[0].peakX, 3);   // 84,224 / 30,000 = 2.81
    EXPECT_FALSE(scene.tracks[0].title);
    EXPECT_EQ(scene.tracks[1].x1, 38);
    EXPECT_EQ(scene.tracks[1].title, QStringLiteral("T2"));
    EXPECT_EQ(scene.tracks[2].color, list.TrackAt(3).record.color);
    EXPECT_FALSE(scene.pointerX);  // left of the view

    // Minute 0 lies 20.71 units left of the picture; 24 minutes are drawn,
    // each step rounded from the last.
    ASSERT_EQ(scene.ticks.size(), 24u);
    EXPECT_EQ(scene.ticks[0].x, -21);
    EXPECT_EQ(scene.ticks[0].label, QStringLiteral("0:00:00"));
    EXPECT_EQ(scene.ticks[1].x, 332);
    EXPECT_EQ(scene.ticks[2].x, 685);
    EXPECT_FALSE(scene.ticks[1].label);
    EXPECT_EQ(scene.ticks[5].label, QStringLiteral("0:05:00"));
    EXPECT_EQ(MinuteLabel(65), QStringLiteral("1:05:00"));
    EXPECT_EQ(MinuteLabel(600), QStringLiteral("10:00:00"));
}

// What the player draws in the play bar, recorded.
struct RecordedPicture : PlayBarPicture {
    void RedrawPlayBar() override { ++redraws; }
    void InvertPlayBarMarker(int x) override { inverted.push_back(x); }
    int redraws = 0;
    std::vector<int> inverted;
};

TEST_F(KnownList, MarkerFollowsReportsOfTheNewPlaceOnly)
{
    char name[] = "test_play_bar_logic";
    char* argv[] = {name, nullptr};
    int argc = 1;
    QCoreApplication application(argc, argv);
    FakePrompts prompts;
    view.SetPlayBarWidth(7815);
    Player player(list, view, prompts);
    QTimer timer1;
    RecordedPicture picture;
    player.AttachPlayBar(&picture, &timer1);

    // No playback runs, so the engine ignores the seek; the player moves on
    // to T2 at 4 s, which T2 first reports as 4 s + one block.
    player.SeekPlayback(2, 4 * Second);
    player.OnPlaybackPosition(Second);  // still queued from before the seek
    EXPECT_TRUE(picture.inverted.empty());
    player.OnPlaybackPosition(4 * Second + 16384);
    player.OnPlaybackPosition(4 * Second + 32768);
    // T2 starts at 10 s: (14 s + 16,384) / 30,000 = 82.9, then 83.4.
    EXPECT_EQ(picture.inverted, (std::vector<int>{82, 82, 83}));
    EXPECT_EQ(player.TimelinePosition(), 14 * Second + 32768);
    EXPECT_EQ(player.PlayBarEvent(), NoEvent);

    // T2 ends after its added silence, at 7 s: on to T3.
    player.OnPlaybackPosition(7 * Second);
    EXPECT_EQ(player.PlayBarEvent(), NextTrack);
    EXPECT_TRUE(timer1.isActive());
    player.OnPlaybackPosition(-1);
    EXPECT_EQ(player.PlayBarEvent(), PlaybackEnded);
    EXPECT_EQ(timer1.interval(), 1);
    player.Timer1_Timer();
    EXPECT_EQ(player.PlayerActive(), -1);
    EXPECT_EQ(picture.redraws, 1);
    EXPECT_EQ(player.PlayBarMarkerX(), -100);

    // A stop without an end report returns to idle after 10 seconds.
    player.StopPlayback();
    EXPECT_EQ(player.PlayBarEvent(), StopTimeout);
    EXPECT_EQ(timer1.interval(), 10000);
}

}  // namespace
