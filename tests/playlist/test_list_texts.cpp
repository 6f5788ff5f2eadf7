// The grid's row texts, the fade editor's track menu and the status bar.
#include <gtest/gtest.h>

#include "list_texts.h"
#include "track_factory.h"

using namespace playlisttest;

TEST(ListTexts, EmptyListShowsTheEndRowOnRowOneAndBareLabels)
{
    PlayList list;
    EXPECT_EQ(ListTexts::EndRow(list), 1);
    EXPECT_EQ(ListTexts::EndRowCells(list),
              (QStringList{"", "0:00:00:00", "   ------  END  ------", "", "", "", "", ""}));
    const auto panels = ListTexts::StatusPanels(list);
    EXPECT_EQ(panels[0], QStringLiteral("FadeInLength =  "));
    EXPECT_EQ(panels[1], QStringLiteral("FadeOutLength =  "));
    EXPECT_EQ(panels[2], QStringLiteral("PeakLevel =  "));
}

TEST(ListTexts, OneThreeMinuteTrack)
{
    PlayList list;
    fill(list, {analysed(31752000, 2352 * 2, 176400)});
    list.TrackAt(1).record.levelPercent = 95;
    EXPECT_EQ(ListTexts::TrackRowCells(list, 1),
              (QStringList{"01", "0:00:00:00", "T1", "0:00:00:02", "0:02:58:73", "0:00:01:00", "", "95"}));
    EXPECT_EQ(ListTexts::MuteRowCells(list, 1),
              (QStringList{"", "0:03:00:00", "           MUTE", "", "0:00:00:00", "", "0:00:01:00", ""}));
    EXPECT_EQ(ListTexts::EndRow(list), 3);
    EXPECT_EQ(ListTexts::EndRowCells(list).at(1), QStringLiteral("0:03:00:00"));
}

TEST(ListTexts, NegativeMuteShowsAMinusAndShortensTheDisc)
{
    PlayList list;
    fill(list, {analysed(31752000, 0, 352800), analysed(31752000)});
    list.TrackAt(1).record.muteAdjustBytes = -176400;
    list.UpdateTimeline(1, 2);
    EXPECT_EQ(ListTexts::MuteRowCells(list, 1).at(4), QStringLiteral("-0:00:01:00"));
    EXPECT_EQ(ListTexts::TrackRowCells(list, 2).at(1), QStringLiteral("0:02:59:00"));
    EXPECT_EQ(ListTexts::EndRowCells(list).at(1), QStringLiteral("0:05:59:00"));
}

TEST(ListTexts, TotalGapCountsWholeSectorsOfBothSilencesPlusTheMute)
{
    PlayList list;
    fill(list, {analysed(100000, 0, 2000), analysed(100000, 2000, 0), analysed(100000, 5000, 0)});
    list.TrackAt(1).record.muteAdjustBytes = 2352 * 3;
    list.TrackAt(2).record.postMuteBytes = 4704;
    EXPECT_EQ(ListTexts::TotalGap(list, 1), 2352 * 3);
    EXPECT_EQ(ListTexts::TotalGap(list, 2), 2352 * 4);
    EXPECT_EQ(ListTexts::MuteRowCells(list, 1).at(6), QStringLiteral("0:00:00:03"));
}

TEST(ListTexts, LastTracksTotalGapIgnoresLeftOversAboveTheEnd)
{
    PlayList list;
    fill(list, {analysed(100000, 0, 4704), analysed(100000, 50000, 0)});
    list.SelectRow(3);
    list.DeleteSelected();
    EXPECT_EQ(ListTexts::TotalGap(list, 1), 4704);

    PlayList full;
    fillNumbered(full, 30);
    EXPECT_EQ(ListTexts::TotalGap(full, 30), 0);
}

TEST(ListTexts, TrackMenuCaptionAndItsCheck)
{
    PlayList list;
    fillNumbered(list, 3);
    list.TrackAt(3).title = QStringLiteral("ｱ.wav");
    list.SetEditorTrack(3);
    EXPECT_EQ(ListTexts::TrackMenuCaption(list, 3), QStringLiteral("No.03: ｱ.wav"));
    EXPECT_TRUE(ListTexts::TrackMenuChecked(list, 3));
    EXPECT_FALSE(ListTexts::TrackMenuChecked(list, 2));
}

TEST(ListTexts, StatusPanelsForTheSelectedTrack)
{
    PlayList list;
    fill(list, {analysed(4000), analysed(4000, 0, 0, 20000)});
    TrackRecord& r = list.TrackAt(2).record;
    r.levelPercent = 150;
    r.fadeInBytes = 176400;
    r.fadeOutBytes = 2352 * 3;
    list.SelectRow(4);
    const auto panels = ListTexts::StatusPanels(list);
    EXPECT_EQ(panels[0], QStringLiteral("FadeInLength =  0:00:01:00"));
    EXPECT_EQ(panels[1], QStringLiteral("FadeOutLength =  0:00:00:03"));
    EXPECT_EQ(panels[2], QStringLiteral("PeakLevel =  30000"));
}
