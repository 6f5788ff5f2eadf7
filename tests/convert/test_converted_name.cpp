// Naming the converted file: the source's name ending in ".wav", numbered
// when that name is taken by the source, a track of the list or a file.
#include "converted_name.h"
#include "temp_dir.h"
#include "wav_builder.h"

#include <gtest/gtest.h>

using namespace testsupport;

TEST(ConvertedName, EndingReplacedAndNumberedPastTakenNames)
{
    TempDir folder;
    const QString dir = QString::fromStdString(folder.path().string()) + u'/';
    writeFile(folder / "song.wav", {});
    writeFile(folder / "Take.WAV", {});
    writeFile(folder / "live.flac", {});
    writeFile(folder / "live.wav", {});

    struct Row {
        QString source;
        QStringList list;
        QString expected;
    };
    const Row rows[] = {
        // A source in the decode directory never names itself.
        {dir + "song.wav", {}, dir + "song (2).wav"},
        {dir + "Take.WAV", {}, dir + "Take (2).wav"},
        {dir + "song.wav", {dir + "SONG (2).WAV"}, dir + "song (3).wav"},
        {"/elsewhere/song.flac", {}, dir + "song (2).wav"},
        {"/elsewhere/track.Aiff", {}, dir + "track.wav"},
        {"/elsewhere/track.ogg", {dir + "track.wav", dir + "track (2).wav"}, dir + "track (3).wav"},
        // A file of that name that the user has is never replaced.
        {dir + "live.flac", {}, dir + "live (2).wav"},
    };
    for (const Row& row : rows)
        EXPECT_EQ(convertedname::convertedPath(dir, row.source, row.list), row.expected) << row.source.toStdString();
}
