// The numbered output names and the list of files a save to another
// directory would replace.
#include <gtest/gtest.h>

#include "BuildSaveName.h"
#include "OverwrittenNames.h"
#include "saved_list.h"
#include "wav_builder.h"

using namespace savetest;

TEST(BuildSaveName, PrefixesThePlaceInTheList)
{
    EXPECT_EQ(BuildSaveName(3, QStringLiteral("song.wav")), QStringLiteral("M03_song.wav"));
    EXPECT_EQ(BuildSaveName(30, QStringLiteral("song.wav")), QStringLiteral("M30_song.wav"));
    EXPECT_EQ(BuildSaveName(1, QStringLiteral("曲ａ.wav")), QStringLiteral("M01_曲ａ.wav"));
}

TEST(BuildSaveName, ReplacesAnEarlierPrefixOnly)
{
    const struct {
        const char* title;
        const char* expected;
    } rows[] = {
        {"M07_song.wav", "M03_song.wav"},     // an earlier save's prefix
        {"M00_song.wav", "M03_M00_song.wav"}, // 0 is no place in the list
        {"m07_song.wav", "M03_m07_song.wav"}, // the M must be upper case
        {"M07-song.wav", "M03_M07-song.wav"}, // no underscore in fourth place
        {"M7a_song.wav", "M03_song.wav"},     // "7a" reads as 7
        {"Mab_song.wav", "M03_Mab_song.wav"}, // not a number
        {"M-1_song.wav", "M03_M-1_song.wav"}, // not above 0
        {"M07_", "M03_"},
        {"M07", "M03_M07"},
        {"", "M03_"},
    };
    for (const auto& row : rows)
        EXPECT_EQ(BuildSaveName(3, QString::fromUtf8(row.title)), QString::fromUtf8(row.expected)) << row.title;
}

TEST(OverwrittenNames, ListsExistingOutputNamesMatchedByExactCase)
{
    testsupport::TempDir sources;
    testsupport::TempDir target;
    PlayList list;
    for (const char* name : {"a.wav", "b.wav", "c"}) {
        writeTrackFile(sources / name, 20000, 1);
        addTrack(list, sources / name);
    }
    testsupport::writeFile(target / "M01_a.wav", {1});
    testsupport::writeFile(target / "m02_b.wav", {2});
    testsupport::writeFile(target / "M03_c", {3});
    std::filesystem::create_directory(target / "M02_b.wav.d");

    const QString directory = qpath(target.path()) + u'/';
    // A title without the .wav ending is saved under its own name and would
    // replace the file all the same, so it is listed too.
    EXPECT_EQ(OverwrittenNames(list, directory), (QStringList{QStringLiteral("M01_a.wav"), QStringLiteral("M03_c")}));
    EXPECT_TRUE(OverwrittenNames(list, qpath(sources.path()) + u'/').isEmpty());
}
