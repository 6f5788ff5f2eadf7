// Opening DDP images: the program's own and images built byte by byte as
// other writers make them, each a row of what is shown, what the checks find
// and which tracks are taken; then damaged copies, each a row of the refusal
// or the failed rows it gives.
#include "cd_text_packs.h"
#include "checksum_check.h"
#include "image_builder.h"
#include "image_rows.h"
#include "image_writer.h"
#include "qstring_printer.h"
#include "taken_texts.h"
#include "taken_tracks.h"
#include "temp_dir.h"
#include "wav_builder.h"

#include <QFile>

#include <gtest/gtest.h>

#include <functional>

namespace fs = std::filesystem;
using ddpbuild::Disc;

namespace {

constexpr qint64 Frame = 2352;

QByteArray packsOf(const QStringList& titles, const QString& disc)
{
    CdTextSet texts;
    texts.disc.title = disc;
    texts.disc.performer = QStringLiteral("Band");
    for (const QString& title : titles) {
        CdTextEntry track;
        track.title = title;
        track.performer = texts.disc.performer;
        texts.tracks.append(track);
    }
    return BuildCdTextPacks(texts).file.mid(4);
}

Disc twoTracks()
{
    Disc disc;
    disc.catalog = "4901234567894";
    disc.tracks = {{375, 0, false, {}, "JPA1F2600001"}, {400, 0, false, {}, "JPA1F2600002"}};
    disc.cdText = packsOf({QStringLiteral("One"), QStringLiteral("Two")}, QStringLiteral("Album"));
    return disc;
}

// The program's own image of two saved tracks, the second not whole frames.
void writeOwnImage(const fs::path& folder)
{
    MasterDisc disc;
    const size_t frames[] = {375 * 588, 400 * 588 + 7};
    for (int i = 0; i < 2; ++i) {
        const fs::path wav = folder.parent_path() / ("M0" + std::to_string(i + 1) + ".wav");
        testsupport::writeFile(wav, testsupport::makeWav(testsupport::noise(2 * frames[i], 20000, uint32_t(i + 7))));
        const QString path = QString::fromStdString(wav.string());
        disc.tracks.append({path, 44, qint64(frames[i] * 4), FileVersion::OfRegularFile(path),
                            i == 1 ? QStringLiteral("JPA1F2600002") : QString(), {}, {}});
    }
    disc.catalog = QStringLiteral("4901234567894");
    disc.cdTextPacks = packsOf({QStringLiteral("夜明け"), QStringLiteral("Two")}, QStringLiteral("はじめて"));
    ASSERT_FALSE(WriteDdpImage(disc, QString::fromStdString(folder.string()), {}).failure);
}

// What the image shows, what its checks find other than passes, and what
// a take writes: each track's frames and the silence after it, the notes.
std::vector<std::string> outcomeOf(const fs::path& folder, bool shown = true)
{
    std::vector<std::string> outcome;
    const OpenedImage opened = OpenDdpImage(QString::fromStdString(folder.string()));
    if (opened.refusal)
        return {"refused " + std::to_string(int(opened.refusal->kind))};
    const DdpImage& image = *opened.image;
    const ImageLayout layout = LayOut(image.pq.points);
    const CdTextSet texts = TextsOfImage(image, layout, image.cdText ? 0 : -1).texts;
    for (const auto& [label, value] : DiscSummary(image, layout, texts))
        outcome.push_back((label + u' ' + value).toStdString());
    for (const QStringList& row : TrackRows(layout, texts))
        outcome.push_back(row.join(u' ').trimmed().toStdString());
    if (!shown)
        outcome.clear();
    for (const CheckRow& row : CheckRecords(image, layout) + CheckChecksums(PlanChecksums(image), {})) {
        if (row.result != CheckRow::Result::Passed)
            outcome.push_back((ResultText(row.result) + u' ' + row.subject + u' ' + row.finding).toStdString());
    }
    const TakePlan plan = PlanTake(image, layout, 30);
    if (plan.refusal)
        return outcome.push_back("take refused " + std::to_string(int(plan.refusal->kind))), outcome;
    QStringList names;
    for (const PlannedTrack& track : plan.tracks)
        names.append(QStringLiteral("%1.wav").arg(track.number));
    const TakeResult taken = WriteTakenTracks(plan, names, QString::fromStdString(folder.string()) + "_WAV", {});
    for (const TakenTrack& track : taken.tracks)
        outcome.push_back("taken " + std::to_string(track.dataBytes / Frame) + " + " +
                          std::to_string(track.silenceAfter / Frame));
    for (const TakeNote& note : taken.notes + TextsOfImage(image, layout, 0).notes)
        outcome.push_back("note " + std::to_string(int(note.kind)) + " track " + std::to_string(note.track));
    return outcome;
}

const std::vector<std::string> SummaryOfTwo = {"ﾀｲﾄﾙ Album", "演奏者 Band", "ｶﾀﾛｸﾞ番号(UPC/JAN) 4901234567894",
                                               "ﾚﾍﾞﾙ DDP 2.00", "ﾏｽﾀｰID MASTER 1", "ﾄﾗｯｸ数 2"};

std::vector<std::string> with(std::vector<std::string> lines, const std::vector<std::string>& more)
{
    lines.insert(lines.end(), more.begin(), more.end());
    return lines;
}

struct ImageRow {
    const char* name;
    std::function<void(const fs::path&)> make;
    std::vector<std::string> expected;
};

}  // namespace

TEST(DdpRead, ImagesShowTheirDiscFindTheirFaultsAndGiveTheirTracks)
{
    const auto built = [](std::function<void(Disc&)> change) {
        return [change](const fs::path& folder) {
            Disc disc = twoTracks();
            change(disc);
            ddpbuild::build(disc, folder);
        };
    };
    const std::vector<ImageRow> rows = {
        {"the program's own", writeOwnImage,
         {"ﾀｲﾄﾙ はじめて", "演奏者 Band", "ｶﾀﾛｸﾞ番号(UPC/JAN) 4901234567894", "ﾚﾍﾞﾙ DDP 2.00", "ﾏｽﾀｰID DISC",
          "ﾄﾗｯｸ数 2", "合計時間 00:10:26", "01 00 00:00:00 00:02:00", "01 01 00:02:00 00:05:00 00:02:00  夜明け Band",
          "02 01 00:07:00 00:05:26 00:00:00 JPA1F2600002 Two Band", "taken 375 + 0", "taken 401 + 0"}},
        {"a silent pause", built([](Disc& s) { s.tracks[1].pauseFrames = 75; }),
         with(SummaryOfTwo, {"合計時間 00:11:25", "01 00 00:00:00 00:02:00",
                             "01 01 00:02:00 00:05:00 00:02:00 JPA1F2600001 One Band", "02 00 00:07:00 00:01:00",
                             "02 01 00:08:00 00:05:25 00:01:00 JPA1F2600002 Two Band", "taken 375 + 75", "taken 400 + 0"})},
        {"a pause with audio", built([](Disc& s) { s.tracks[1].pauseFrames = 75, s.tracks[1].pauseAudio = true; }),
         with(SummaryOfTwo, {"合計時間 00:11:25", "01 00 00:00:00 00:02:00",
                             "01 01 00:02:00 00:05:00 00:02:00 JPA1F2600001 One Band", "02 00 00:07:00 00:01:00",
                             "02 01 00:08:00 00:05:25 00:01:00 JPA1F2600002 Two Band", "taken 450 + 0", "taken 400 + 0",
                             "note 1 track 2"})},
        {"index 02", built([](Disc& s) { s.tracks[0].index02 = 100; }),
         with(SummaryOfTwo, {"合計時間 00:10:25", "01 00 00:00:00 00:02:00",
                             "01 01 00:02:00 00:05:00 00:02:00 JPA1F2600001 One Band", "01 02 00:03:25 00:03:50",
                             "02 01 00:07:00 00:05:25 00:00:00 JPA1F2600002 Two Band", "taken 375 + 0", "taken 400 + 0",
                             "note 0 track 1"})},
        {"a DDP 1.01 identity and a stream from index 01",
         built([](Disc& s) { s.level = "DDP 1.01", s.streamStart = 150; }),
         {"ﾀｲﾄﾙ Album", "演奏者 Band", "ｶﾀﾛｸﾞ番号(UPC/JAN) 4901234567894", "ﾚﾍﾞﾙ DDP 1.01", "ﾏｽﾀｰID MASTER 1",
          "ﾄﾗｯｸ数 2", "合計時間 00:10:25", "01 00 00:00:00 00:02:00",
          "01 01 00:02:00 00:05:00 00:02:00 JPA1F2600001 One Band",
          "02 01 00:07:00 00:05:25 00:00:00 JPA1F2600002 Two Band", "taken 375 + 0", "taken 400 + 0"}},
        {"two CD-TEXT blocks and an .md5 file per stream",
         built([](Disc& s) {
             s.cdText = ddpbuild::twoBlocks(s.cdText, 0x09,
                                            packsOf({QStringLiteral("一"), QStringLiteral("二")}, QStringLiteral("盤")),
                                            0x69);
             s.sums = Disc::Sums::PerFile;
         }),
         with(SummaryOfTwo, {"合計時間 00:10:25", "01 00 00:00:00 00:02:00",
                             "01 01 00:02:00 00:05:00 00:02:00 JPA1F2600001 One Band",
                             "02 01 00:07:00 00:05:25 00:00:00 JPA1F2600002 Two Band", "taken 375 + 0", "taken 400 + 0",
                             "note 7 track 0"})},
    };
    for (const ImageRow& row : rows) {
        const testsupport::TempDir dir;
        row.make(dir / "DISC");
        EXPECT_EQ(outcomeOf(dir / "DISC"), row.expected) << row.name;
    }
}

TEST(DdpRead, DamagedCopiesAreRefusedOrFailTheirChecks)
{
    const auto replace = [](const char* file, qsizetype at, QByteArray bytes) {
        return [=](const fs::path& folder) {
            QByteArray contents = ddpbuild::readAll(folder / file);
            ddpbuild::writeAll(folder / file, contents.replace(at, bytes.size(), bytes));
        };
    };
    const auto resize = [](const char* file, qint64 bytes) {
        return [=](const fs::path& folder) { fs::resize_file(folder / file, uintmax_t(bytes)); };
    };
    const std::vector<ImageRow> rows = {
        {"no DDPID", [](const fs::path& folder) { fs::remove(folder / "DDPID"); }, {"refused 0"}},
        {"a DDPID of the wrong length", resize("DDPID", 127), {"refused 1"}},
        {"a map packet cut short", resize("DDPMS", 255), {"refused 3"}},
        {"a length of letters", replace("DDPMS", 14, "0000O775"), {"refused 3"}},
        {"a map naming ..", replace("DDPMS", 74, "../IMAGE.DAT"),
         {"不合格 ../IMAGE.DAT ﾌｫﾙﾀﾞの外のﾌｧｲﾙを指しています", "不合格 DDPMS MD5が一致しません (CHECKSUM.MD5)",
          "take refused 0"}},
        {"a map naming an absolute path", replace("DDPMS", 74, "/etc/passwd  "),
         {"不合格 /etc/passwd ﾌｫﾙﾀﾞの外のﾌｧｲﾙを指しています", "不合格 DDPMS MD5が一致しません (CHECKSUM.MD5)",
          "take refused 0"}},
        {"a link leading out",
         [](const fs::path& folder) {
             fs::rename(folder / "IMAGE.DAT", folder.parent_path() / "IMAGE.DAT");
             fs::create_symlink("../IMAGE.DAT", folder / "IMAGE.DAT");
         },
         {"不合格 IMAGE.DAT ﾌｫﾙﾀﾞの外のﾌｧｲﾙを指しています",
          "不合格 IMAGE.DAT ﾌｫﾙﾀﾞの外のﾌｧｲﾙを指しています (CHECKSUM.MD5)", "take refused 0"}},
        {"a PQ time of letters", replace("PQDESCR", 64 * 2 + 10, "0002OO"),
         {"不合格 PQ 3番目のﾊﾟｹｯﾄ: 時間が数字ではありません", "不合格 PQDESCR MD5が一致しません (CHECKSUM.MD5)",
          "take refused 1"}},
        {"a PQ time beyond the stream", replace("PQDESCR", 64 * 4 + 10, "001300"),
         {"不合格 ﾘｰﾄﾞｱｳﾄ 00:13:00、ﾒｲﾝﾃﾞｰﾀの終わりは00:12:25", "不合格 PQDESCR MD5が一致しません (CHECKSUM.MD5)",
          "take refused 3"}},
        {"track 03 after track 01", replace("PQDESCR", 64 * 3 + 4, "03"),
         {"不合格 ﾄﾗｯｸ番号 ﾄﾗｯｸ03がﾄﾗｯｸ01の次にあります", "不合格 PQDESCR MD5が一致しません (CHECKSUM.MD5)",
          "take refused 1"}},
        {"track 1's index 01 at 00:03:00", replace("PQDESCR", 64 * 2 + 10, "000300"),
         {"不合格 ﾄﾗｯｸ01のINDEX 01 00:03:00 (00:02:00ではありません)", "不合格 PQDESCR MD5が一致しません (CHECKSUM.MD5)",
          "taken 300 + 0", "taken 400 + 0", "note 2 track 1", "note 3 track 1"}},
        {"a track shorter than 4 s",
         [](const fs::path& folder) {
             Disc disc = twoTracks();
             disc.tracks[0].frames = 299;
             ddpbuild::build(disc, folder);
         },
         {"不合格 ﾄﾗｯｸの長さ ﾄﾗｯｸ01: 00:03:74 (4秒より短い)", "taken 299 + 0", "taken 400 + 0"}},
        {"an ISRC of the wrong form", replace("PQDESCR", 64 + 20, "JP-A1F260001"),
         {"不合格 ISRC ﾄﾗｯｸ01:「JP-A1F260001」はISRCの形ではありません", "不合格 PQDESCR MD5が一致しません (CHECKSUM.MD5)",
          "taken 375 + 0", "taken 400 + 0"}},
        {"an ISRC used twice", replace("PQDESCR", 64 + 20, "JPA1F2600002"),
         {"不合格 ISRC ﾄﾗｯｸ01: JPA1F2600002は他のﾄﾗｯｸにもあります", "不合格 ISRC ﾄﾗｯｸ02: JPA1F2600002は他のﾄﾗｯｸにもあります",
          "不合格 PQDESCR MD5が一致しません (CHECKSUM.MD5)", "taken 375 + 0", "taken 400 + 0"}},
        {"one byte changed in the audio", replace("IMAGE.DAT", 500000, "\x55"),
         {"不合格 IMAGE.DAT MD5が一致しません (CHECKSUM.MD5)", "taken 375 + 0", "taken 400 + 0"}},
        {"a truncated stream", resize("IMAGE.DAT", (150 + 775) * Frame - 1000),
         {"不合格 IMAGE.DAT 2174600ﾊﾞｲﾄ (DDPMSでは2175600ﾊﾞｲﾄ)", "不合格 IMAGE.DAT MD5が一致しません (CHECKSUM.MD5)",
          "take refused 3"}},
        {"a bad check digit", replace("DDPID", 8, "4901234567895"),
         {"不合格 ｶﾀﾛｸﾞ番号 4901234567895: ﾁｪｯｸﾃﾞｨｼﾞｯﾄが合いません", "不合格 DDPID MD5が一致しません (CHECKSUM.MD5)",
          "taken 375 + 0", "taken 400 + 0"}},
        {"a pack with a bad CRC", replace("CDTEXT.BIN", 18 + 17, "\x01"),
         {"不合格 CD-TEXT CRCが合わないﾊﾟｯｸ: 2", "不合格 CDTEXT.BIN MD5が一致しません (CHECKSUM.MD5)", "taken 375 + 0",
          "taken 400 + 0"}},
        {"a block claiming more packs than it has",
         [](const fs::path& folder) {
             ddpbuild::writeAll(folder / "CDTEXT.BIN", ddpbuild::readAll(folder / "CDTEXT.BIN").remove(18, 18));
         },
         {"不合格 CDTEXT.BIN 108ﾊﾞｲﾄ (DDPMSでは126ﾊﾞｲﾄ)",
          "不合格 CD-TEXT ﾌﾞﾛｯｸ0 (英語, ISO-8859-1) 種別0x80のﾊﾟｯｸ: ｻｲｽﾞ情報では2、実際は1",
          "不合格 CDTEXT.BIN MD5が一致しません (CHECKSUM.MD5)", "taken 375 + 0", "taken 400 + 0"}},
    };
    for (const ImageRow& row : rows) {
        const testsupport::TempDir dir;
        ddpbuild::build(twoTracks(), dir / "DISC");
        row.make(dir / "DISC");
        EXPECT_EQ(outcomeOf(dir / "DISC", false), row.expected) << row.name;
    }
}

TEST(DdpRead, CancelledCheckSaysSoAndCancelledTakeLeavesNothing)
{
    const testsupport::TempDir dir;
    ddpbuild::build(twoTracks(), dir / "DISC");
    const DdpImage image = *OpenDdpImage(QString::fromStdString((dir / "DISC").string())).image;
    QStringList checks;
    for (const CheckRow& row : CheckChecksums(PlanChecksums(image), [](int) { return false; }))
        checks.append(ResultText(row.result) + u' ' + row.finding);
    const TakePlan plan = PlanTake(image, LayOut(image.pq.points), 30);
    const TakeResult taken = WriteTakenTracks(plan, {QStringLiteral("1.wav"), QStringLiteral("2.wav")},
                                              QString::fromStdString((dir / "WAV").string()), [](int) { return false; });
    checks.append(QString::number(int(taken.failure->kind)) + u' ' + QString::number(fs::exists(dir / "WAV")) +
                  u' ' + QString::number(std::distance(fs::directory_iterator(dir.path()), fs::directory_iterator())));
    EXPECT_EQ(checks, QStringList(5, QStringLiteral("未確認 中止しました")) << QStringLiteral("0 0 1"));
}
