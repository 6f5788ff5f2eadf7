// A file analysed by the engine, added to the list and shown.
#include <gtest/gtest.h>

#include "list_texts.h"
#include "play_list.h"
#include "qstring_printer.h"
#include "temp_dir.h"
#include "wav_builder.h"

TEST(AnalysedTrack, ShowsWhatAnalysisFound)
{
    testsupport::TempDir dir;
    const auto file = dir / "one.wav";
    // 588 frames of silence (one CD frame), one second of sound, 1176 frames of
    // silence. The sound ends where its last frame starts: one frame short of a second.
    testsupport::writeFile(file, testsupport::makeWav(testsupport::silenceLoudSilence(588, 44100, 1176, 12000)));
    TrackRecord record{};
    ASSERT_EQ(FileOpen(file.c_str(), &record, 80, 1, nullptr), ENGINE_SUCCESS);

    PlayList list;
    list.AddTrack(QStringLiteral("one.wav"), QString::fromStdString(file.string()), record);
    EXPECT_EQ(list.TrackAt(1).record.color, 0xFF8080);
    EXPECT_EQ(list.TrackAt(1).record.title, nullptr);
    EXPECT_EQ(ListTexts::TrackRowCells(list, 1),
              (QStringList{"01", "0:00:00:00", "one.wav", "0:00:00:01", "0:00:00:74", "0:00:00:02", "", "100"}));
    EXPECT_EQ(ListTexts::EndRowCells(list).at(1), QStringLiteral("0:00:01:03"));
    list.SelectRow(1);
    EXPECT_EQ(ListTexts::StatusPanels(list)[2], QStringLiteral("PeakLevel =  12000"));
}
