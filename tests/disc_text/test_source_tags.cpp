// Tags read from files made at test time by real tools (lame, flac,
// metaflac, ffmpeg, and TagLib where ffmpeg cannot), codes and credits among them, and from a WAV file with a RIFF
// INFO chunk of untagged bytes;
// the disc's and the tracks' texts that follow from the tags of three files.
#include "disc_texts.h"
#include "play_list.h"
#include "source_tags.h"
#include "temp_dir.h"
#include "wav_builder.h"

#include <QFile>
#include <QProcess>
#include <QRegularExpression>

#include <gtest/gtest.h>
#include <taglib/fileref.h>
#include <taglib/tpropertymap.h>

using testsupport::TempDir;

namespace {

void run(const QString& program, const QStringList& arguments)
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("LC_ALL"), QStringLiteral("C.UTF-8"));  // arguments in UTF-8
    process.setProcessEnvironment(environment);
    process.start(program, arguments);
    ASSERT_TRUE(process.waitForFinished(60000));
    ASSERT_EQ(process.exitCode(), 0) << process.readAllStandardError().toStdString();
}

QString writeWav(const TempDir& dir, const char* name)
{
    const auto path = dir / name;
    testsupport::writeFile(path, testsupport::makeWav(testsupport::noise(44100 * 2)));
    return QString::fromStdString(path.string());
}

QString mp3With(const TempDir& dir, const QStringList& tags)
{
    const QString mp3 = QString::fromStdString((dir / "a.mp3").string());
    const QString wav = writeWav(dir, "a.wav");
    run(QStringLiteral("lame"), QStringList{"--quiet", "--id3v2-only"} + tags + QStringList{wav, mp3});
    return mp3;
}

QString flacWith(const TempDir& dir, const QStringList& tags)
{
    const QString flac = QString::fromStdString((dir / "b.flac").string());
    run(QStringLiteral("flac"), {"--silent", "-o", flac, writeWav(dir, "b.wav")});
    run(QStringLiteral("metaflac"), QStringList(tags).replaceInStrings(QRegularExpression("^"), "--set-tag=") << flac);
    return flac;
}

// A file that ffmpeg encodes from a WAV file, with metadata "key=value".
QString ffmpegWith(const TempDir& dir, const char* name, const QStringList& metadata)
{
    const QString path = QString::fromStdString((dir / name).string());
    QStringList arguments{"-v", "error", "-y", "-i", writeWav(dir, "source.wav")};
    for (const QString& entry : metadata)
        arguments << "-metadata" << entry;
    run(QStringLiteral("ffmpeg"), arguments << path);
    return path;
}

// A WAV file with a LIST/INFO chunk after its data: each field's bytes as
// given, NUL-terminated and padded to an even length.
QString wavWithInfo(const TempDir& dir, const std::vector<std::pair<const char*, QByteArray>>& fields)
{
    QByteArray info("INFO");
    for (const auto& [id, bytes] : fields) {
        QByteArray data = bytes + '\0';
        if (data.size() % 2 != 0)
            data += '\0';
        const quint32 size = quint32(bytes.size() + 1);
        info += QByteArray(id) + QByteArray(reinterpret_cast<const char*>(&size), 4) + data;
    }
    const quint32 listSize = quint32(info.size());
    std::vector<uint8_t> wav = testsupport::makeWav(testsupport::noise(44100 * 2));
    const QByteArray chunk = QByteArray("LIST") + QByteArray(reinterpret_cast<const char*>(&listSize), 4) + info;
    wav.insert(wav.end(), chunk.begin(), chunk.end());
    const quint32 riffSize = quint32(wav.size() - 8);
    std::memcpy(wav.data() + 4, &riffSize, 4);
    const auto path = dir / "c.wav";
    testsupport::writeFile(path, wav);
    return QString::fromStdString(path.string());
}

}  // namespace

TEST(SourceTags, ReadsMp3FlacAndRiffInfoTagsAndGivesTheDiscItsTexts)
{
    TempDir dir;
    const QString paths[] = {
        mp3With(dir, {"--tt", "夜明けの歌", "--ta", "山田花子", "--tl", "朝の歌集", "--tv", "TSRC=jp-a1f-26-00001",
                      "--tv", "TCOM=作曲 太郎", "--tv", "TEXT=作詞 花子", "--tv", "TXXX=BARCODE=4901234567894"}),
        // An ISRC with a letter in its year is no ISRC.
        flacWith(dir, {"TITLE=Süße Stücke", "ARTIST=Jürgen", "ALBUM=朝の歌集", "ALBUMARTIST=山田花子と仲間",
                       "ISRC=JPA1F2X00002", "COMPOSER=Bach", "LYRICIST=Öberg", "ARRANGER=Jürgen",
                       "BARCODE=4901234567894"}),
        // CP932 bytes, Latin-1 bytes (not valid CP932) and UTF-8 bytes.
        wavWithInfo(dir, {{"INAM", QByteArray::fromHex("92a982cc89cc")},
                          {"IART", QByteArray::fromHex("4afc7267656e")},
                          {"IPRD", QByteArray("朝の歌集")}}),
    };
    const TrackTexts expected[] = {
        {"夜明けの歌", "山田花子", "朝の歌集", "", "JPA1F2600001", "作詞 花子", "作曲 太郎", "", "4901234567894"},
        {"Süße Stücke", "Jürgen", "朝の歌集", "山田花子と仲間", "", "Öberg", "Bach", "Jürgen", "4901234567894"},
        {"朝の歌", "Jürgen", "朝の歌集", ""},
    };
    PlayList list;
    for (int i = 0; i < 3; ++i) {
        const TrackTexts tags = ReadSourceTags(paths[i]);
        EXPECT_EQ(tags, expected[i]) << paths[i].toStdString();
        list.TrackAt(list.AddTrack(QStringLiteral("M0%1_t.wav").arg(i + 1), paths[i], TrackRecord{})).texts = tags;
    }
    list.TrackAt(3).texts.title.clear();
    EXPECT_EQ(ResolveCdTexts(list, {"a", "b", "t"}, "disc"),
              CdTextSet({{"朝の歌集", "山田花子と仲間", "", "", "", "", "4901234567894"},
                         {{"夜明けの歌", "山田花子", "作詞 花子", "作曲 太郎", "", "", "JPA1F2600001"},
                          {"Süße Stücke", "Jürgen", "Öberg", "Bach", "Jürgen"},
                          {"t", "Jürgen"}}}));
}

TEST(SourceTags, ReadsTheTagsOfM4aWmaAndWavPackFiles)
{
    TempDir dir;
    const QString m4a = ffmpegWith(dir, "a.m4a", {"title=夜明けの歌", "artist=山田花子", "album=朝の歌集",
                                                   "album_artist=山田花子と仲間", "composer=作曲 太郎"});
    // ffmpeg cannot write the freeform atoms that hold an M4A file's codes.
    {
        TagLib::FileRef file(QFile::encodeName(m4a).constData());
        TagLib::PropertyMap properties = file.file()->properties();
        properties.replace("ISRC", TagLib::String("JPA1F2600001"));
        properties.replace("BARCODE", TagLib::String("4901234567894"));
        properties.replace("LYRICIST", TagLib::String("作詞 花子", TagLib::String::UTF8));
        file.file()->setProperties(properties);
        ASSERT_TRUE(file.save());
    }
    const QString paths[] = {
        m4a,
        ffmpegWith(dir, "b.wma", {"title=Süße Stücke", "artist=Jürgen", "album=朝の歌集", "album_artist=Jürgen",
                                  "composer=Bach", "WM/Writer=Öberg", "WM/ISRC=JPA1F2600002", "WM/Barcode=4901234567894"}),
        ffmpegWith(dir, "c.wv", {"title=朝の歌", "artist=Jürgen", "album=朝の歌集", "album_artist=山田花子と仲間",
                                 "composer=Bach", "lyricist=Öberg", "arranger=Jürgen", "ISRC=JPA1F2600003",
                                 "BARCODE=4901234567894"}),
    };
    const TrackTexts expected[] = {
        {"夜明けの歌", "山田花子", "朝の歌集", "山田花子と仲間", "JPA1F2600001", "作詞 花子", "作曲 太郎", "", "4901234567894"},
        {"Süße Stücke", "Jürgen", "朝の歌集", "Jürgen", "JPA1F2600002", "Öberg", "Bach", "", "4901234567894"},
        {"朝の歌", "Jürgen", "朝の歌集", "山田花子と仲間", "JPA1F2600003", "Öberg", "Bach", "Jürgen", "4901234567894"},
    };
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(ReadSourceTags(paths[i]), expected[i]) << paths[i].toStdString();
}

TEST(DiscTexts, FollowTheTagsTheTracksShare)
{
    // Album, album artist and artist of three tracks, and the disc's texts.
    const struct {
        QStringList albums, albumPerformers, performers;
        CdTextEntry disc;
    } rows[] = {
        {{"A", "", "A"}, {"", "", ""}, {"P", "P", "P"}, {"A", "P"}},
        {{"A", "B", "A"}, {"", "", ""}, {"P", "", "P"}, {"", ""}},
        {{"", "", ""}, {"", "Q", "Q"}, {"P", "R", "S"}, {"", "Q"}},
        {{"", "", ""}, {"Q", "", "R"}, {"P", "P", "P"}, {"", "P"}},
    };
    for (const auto& row : rows) {
        PlayList list;
        for (int i = 0; i < 3; ++i)
            list.TrackAt(list.AddTrack("t.wav", "/t.wav", TrackRecord{})).texts = {
                "", row.performers[i], row.albums[i], row.albumPerformers[i]};
        EXPECT_EQ(DiscTextDefaults(list), row.disc) << row.albums.join(',').toStdString();
    }
}
