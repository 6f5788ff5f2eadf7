// One track's save on real files: in place with the rename to its numbered
// name, as a copy, and the cases where a plain rename or copy would lose
// audio: a numbered name that another track of the list still uses, a copy
// onto a track still to be saved, a failed save, a failed rename.
#include <gtest/gtest.h>

#include "ProgramTitle.h"
#include "SaveMessages.h"
#include "TrackSaver.h"
#include "saved_list.h"
#include "wav_builder.h"
#include "file_size_limit.h"

#include <cstring>

using namespace savetest;
using testsupport::readFile;
namespace fs = std::filesystem;

namespace {

class TrackSaverTest : public testing::Test {
protected:
    // Writes the file and adds it to the list.
    Bytes add(const char* name, uint32_t seed, size_t samples = 40000)
    {
        const Bytes bytes = writeTrackFile(dir / name, samples, seed);
        addTrack(list, dir / name);
        return bytes;
    }

    TrackSaver::Outcome save(int track, const fs::path& destination, TrackSaver::Mode mode)
    {
        TrackSaver saver(list);
        return saver.save(track, qpath(destination), QString::fromStdString(destination.filename().string()), mode,
                          nullptr);
    }

    testsupport::TempDir dir;
    PlayList list;
};

TEST_F(TrackSaverTest, InPlaceRendersThenRenamesToTheNumberedName)
{
    const Bytes original = add("song.wav", 1);
    list.TrackAt(1).record.levelPercent = 50;
    const Bytes expected = renderedByFileSave(list.TrackAt(1), original);

    const auto outcome = save(1, dir / "M01_song.wav", TrackSaver::InPlace);

    EXPECT_EQ(outcome.result, ENGINE_SUCCESS);
    EXPECT_FALSE(outcome.message);
    EXPECT_EQ(namesIn(dir.path()), std::vector<std::string>{"M01_song.wav"});
    EXPECT_EQ(readFile(dir / "M01_song.wav"), expected);
    EXPECT_EQ(list.TrackAt(1).path, qpath(dir / "M01_song.wav"));
    EXPECT_EQ(list.TrackAt(1).title, QStringLiteral("M01_song.wav"));
    EXPECT_EQ(list.TrackAt(1).record.levelPercent, 100);
    EXPECT_EQ(outcome.change.trackRows, QList<int>{1});
    EXPECT_EQ(outcome.change.muteRows, QList<int>{1});
    EXPECT_TRUE(outcome.change.redrawPlayBar);

    // The second save finds the file under its name already and rewrites it
    // where it is.
    const auto again = save(1, dir / "M01_song.wav", TrackSaver::InPlace);
    EXPECT_EQ(again.result, ENGINE_SUCCESS);
    EXPECT_EQ(namesIn(dir.path()), std::vector<std::string>{"M01_song.wav"});
    EXPECT_EQ(readFile(dir / "M01_song.wav"), expected);
}

TEST_F(TrackSaverTest, ARenameReplacesAFileNoTrackUses)
{
    add("song.wav", 1);
    testsupport::writeFile(dir / "M01_song.wav", {9, 9, 9});
    EXPECT_EQ(save(1, dir / "M01_song.wav", TrackSaver::InPlace).result, ENGINE_SUCCESS);
    EXPECT_EQ(namesIn(dir.path()), std::vector<std::string>{"M01_song.wav"});
    EXPECT_GT(readFile(dir / "M01_song.wav").size(), 3u);
}

TEST_F(TrackSaverTest, ReorderedSavedTracksSwapNamesWithoutLosingAudio)
{
    const Bytes a = add("M01_x.wav", 1);
    const Bytes b = add("M02_x.wav", 2);
    list.SelectRow(3);  // track 2's own row
    list.MoveSelectedToTop();
    ASSERT_EQ(list.TrackAt(1).title, QStringLiteral("M02_x.wav"));

    // Track 1 takes M01_x.wav, which track 2 still uses: track 2's file
    // steps aside and track 2 follows it, so stopping here loses nothing.
    ASSERT_EQ(save(1, dir / "M01_x.wav", TrackSaver::InPlace).result, ENGINE_SUCCESS);
    EXPECT_EQ(readFile(dir / "M01_x.wav"), b);
    EXPECT_EQ(list.TrackAt(2).path, qpath(dir / "M01_x (1).wav"));
    EXPECT_EQ(list.TrackAt(2).title, QStringLiteral("M01_x.wav"));
    EXPECT_EQ(readFile(dir / "M01_x (1).wav"), a);

    ASSERT_EQ(save(2, dir / "M02_x.wav", TrackSaver::InPlace).result, ENGINE_SUCCESS);
    EXPECT_EQ(namesIn(dir.path()), (std::vector<std::string>{"M01_x.wav", "M02_x.wav"}));
    EXPECT_EQ(readFile(dir / "M01_x.wav"), b);
    EXPECT_EQ(readFile(dir / "M02_x.wav"), a);
    EXPECT_EQ(list.TrackAt(2).path, qpath(dir / "M02_x.wav"));
}

TEST_F(TrackSaverTest, ACopyNeverReplacesTheFileOfATrackStillToBeSaved)
{
    // Saving "to another directory" that is the tracks' own: track 1's copy
    // is named M01_a.wav, the file of track 2.
    const Bytes a = add("a.wav", 1);
    const Bytes b = add("M01_a.wav", 2);

    ASSERT_EQ(save(1, dir / "M01_a.wav", TrackSaver::Copy).result, ENGINE_SUCCESS);
    EXPECT_EQ(readFile(dir / "M01_a.wav"), a);
    EXPECT_EQ(readFile(dir / "a.wav"), a);
    EXPECT_EQ(list.TrackAt(2).path, qpath(dir / "M01_a (1).wav"));

    ASSERT_EQ(save(2, dir / "M02_a.wav", TrackSaver::Copy).result, ENGINE_SUCCESS);
    EXPECT_EQ(readFile(dir / "M02_a.wav"), b);
    EXPECT_EQ(readFile(dir / "M01_a (1).wav"), b);  // the original of track 2, kept
    EXPECT_EQ(list.TrackAt(2).path, qpath(dir / "M02_a.wav"));
}

TEST_F(TrackSaverTest, AnUnreadableSourceChangesNothing)
{
    add("song.wav", 1);
    const Track before = list.TrackAt(1);
    fs::remove(dir / "song.wav");
    testsupport::writeFile(dir / "M01_song.wav", {7});

    for (const auto mode : {TrackSaver::InPlace, TrackSaver::Copy}) {
        const auto outcome = save(1, dir / "M01_song.wav", mode);
        EXPECT_EQ(outcome.result, ENGINE_OPEN_FAILED);
        ASSERT_TRUE(outcome.message);
        EXPECT_EQ(outcome.message->text, QStringLiteral("ﾌｧｲﾙが読み込めません"));
        EXPECT_EQ(outcome.message->caption, ProgramTitle());
        EXPECT_EQ(list.TrackAt(1).path, before.path);
        EXPECT_EQ(list.TrackAt(1).record.levelPercent, before.record.levelPercent);
        EXPECT_EQ(readFile(dir / "M01_song.wav"), Bytes{7});
    }
}

TEST_F(TrackSaverTest, AFullDiskLeavesEveryFileAsItWas)
{
    testsupport::TempDir target;
    const Bytes a = add("a.wav", 1, 200000);
    const Bytes b = add("M01_a.wav", 2);
    list.TrackAt(1).record.levelPercent = 50;
    testsupport::writeFile(target / "M01_a.wav", {5, 5});

    // Files may not grow beyond 100 kB here, as on a full disk.
    std::optional<testsupport::FileSizeLimit> full(std::in_place, 100000);
    const auto intoTarget = save(1, target / "M01_a.wav", TrackSaver::Copy);
    // In the tracks' own directory, track 2's file had to step aside first;
    // it is given back.
    const auto besideTrack2 = save(1, dir / "M01_a.wav", TrackSaver::Copy);
    const auto inPlace = save(1, dir / "M01_a.wav", TrackSaver::InPlace);
    full.reset();

    for (const auto& outcome : {intoTarget, besideTrack2, inPlace}) {
        EXPECT_EQ(outcome.result, ENGINE_BAD_FORMAT);
        ASSERT_TRUE(outcome.message);
        EXPECT_EQ(outcome.message->text, QStringLiteral("ﾃﾞｨｽｸ空き容量が不足しています"));
    }
    // The engine leaves no partly written copy, so nothing is deleted: the
    // file that was at the destination before must survive.
    EXPECT_EQ(namesIn(target.path()), std::vector<std::string>{"M01_a.wav"});
    EXPECT_EQ(readFile(target / "M01_a.wav"), (Bytes{5, 5}));
    EXPECT_EQ(namesIn(dir.path()), (std::vector<std::string>{"M01_a.wav", "a.wav"}));
    EXPECT_EQ(readFile(dir / "a.wav"), a);
    EXPECT_EQ(readFile(dir / "M01_a.wav"), b);
    EXPECT_EQ(list.TrackAt(1).record.levelPercent, 50);
    EXPECT_EQ(list.TrackAt(2).path, qpath(dir / "M01_a.wav"));
}

TEST_F(TrackSaverTest, AFailedRenameKeepsTheOldNameAndReportsTheSystemError)
{
    add("song.wav", 1);
    list.TrackAt(1).record.levelPercent = 50;
    fs::create_directory(dir / "M01_song.wav");

    const auto outcome = save(1, dir / "M01_song.wav", TrackSaver::InPlace);

    EXPECT_EQ(outcome.result, TrackSaver::RenameFailed);
    ASSERT_TRUE(outcome.message);
    EXPECT_EQ(outcome.message->text, QString::fromLocal8Bit(std::strerror(EISDIR)));
    EXPECT_EQ(outcome.message->caption, ProgramTitle());
    // The rendered audio is in the old file, which the record describes.
    EXPECT_EQ(list.TrackAt(1).path, qpath(dir / "song.wav"));
    EXPECT_EQ(list.TrackAt(1).title, QStringLiteral("song.wav"));
    EXPECT_EQ(list.TrackAt(1).record.levelPercent, 100);
    EXPECT_EQ(outcome.change.trackRows, QList<int>{1});
}

}  // namespace
