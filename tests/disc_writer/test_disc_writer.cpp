// The burner's room: cdrskin's output read back, the drives' access, the
// disc's progress, and the command line checked by the real cdrskin on its
// stdio:/dev/null pseudo-drive, which refuses an audio track only after it
// has read every argument, every track's WAV header and the CD-TEXT file.
#include "burn_command.h"
#include "burner_output.h"
#include "cd_text_packs.h"
#include "disc_progress.h"
#include "drive_access.h"
#include "temp_dir.h"
#include "wav_builder.h"

#include <QFile>
#include <QProcess>

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

using testsupport::TempDir;

TEST(BurnerOutput, ProgressLines)
{
    const struct {
        const char* line;
        std::optional<BurnProgress> progress;
    } rows[] = {
        {"Track 01:   6 of  30 MB written (fifo 100%) [buf  50%]  8.0x.", BurnProgress{1, 6, 30, 100, 50, 8.0}},
        {"Track 12: 120 of 130 MB written (fifo  87%) [buf  99%]  24.5x.\r", BurnProgress{12, 120, 130, 87, 99, 24.5}},
        {"Track 02:   0 of   4 MB written   0.0x.", BurnProgress{2, 0, 4, std::nullopt, std::nullopt, 0.0}},
        {"Fixating...", std::nullopt},
        {"cdrskin: burning done", std::nullopt},
    };
    for (const auto& row : rows)
        EXPECT_EQ(ParseProgressLine(QString::fromLatin1(row.line)), row.progress) << row.line;
    EXPECT_TRUE(IsFixatingLine(u"Fixating..."));
    EXPECT_TRUE(IsDoneLine(u"cdrskin: burning done\r"));
    EXPECT_TRUE(IsProblemLine(u"cdrskin: SORRY : Write job parameters are unsuitable"));
    EXPECT_TRUE(IsBusyLine(u"cdrskin: FATAL : Cannot open busy device '/dev/sr0'"));
    EXPECT_FALSE(IsProblemLine(u"cdrskin: NOTE : -dummy mode will prevent actual writing"));
}

TEST(BurnerOutput, DrivesAndMedia)
{
    EXPECT_EQ(ParseDevices(u"cdrskin: Overview of accessible drives (2 found) :\n-----\n"
                           u"0  dev='/dev/sr0'  rwrw-- :  'HL-DT-ST'  'DVDRAM GH24NSC0'\n"
                           u"1  dev='/dev/sr1'  rwrw-- :  'ASUS    '  'BW-16D1HT'\n-----\n"),
              (QList<BurnerDrive>{{"/dev/sr0", "HL-DT-ST", "DVDRAM GH24NSC0"}, {"/dev/sr1", "ASUS", "BW-16D1HT"}}));
    EXPECT_TRUE(ParseDevices(u"cdrskin: Overview of accessible drives (0 found) :\n").isEmpty());

    using State = BurnerMedium::State;
    const struct {
        const char16_t* output;
        BurnerMedium medium;
    } rows[] = {
        {u"cdrskin: status 1 burn_disc_blank \"The drive holds a blank disc\"\nATIP info from disk:\n"
         u"  Is not erasable\n  ATIP start of lead out: 359849 (79:59/74)\n",
         {State::Blank, false, 359849}},
        {u"cdrskin: status 4 burn_disc_full \"...\"\n  Is erasable\n", {State::Written, true, 0}},
        {u"cdrskin: status 2 burn_disc_empty \"There is no disc at all in the drive\"\n", {State::NoDisc, false, 0}},
        {u"cdrskin: FATAL : Cannot open busy device\n", {State::Unknown, false, 0}},
    };
    for (const auto& row : rows)
        EXPECT_EQ(ParseAtip(row.output), row.medium) << QString::fromUtf16(row.output).toStdString();
}

TEST(DriveAccess, NodesAndTheSuperuser)
{
    const TempDir dir;
    const QString node = QString::fromStdString((dir / "sr0").string());
    testsupport::writeFile(dir / "sr0", {});
    testsupport::writeFile(dir / "sr10", {});
    testsupport::writeFile(dir / "sg0", {});
    chmod(QFile::encodeName(node).constData(), 0);
    EXPECT_EQ(CheckNodeAccess(node).readWrite, geteuid() == 0);
    EXPECT_FALSE(CheckNodeAccess(node + u'x').exists);
    EXPECT_EQ(OpticalDriveNodes(QString::fromStdString(dir.path().string())),
              (QStringList{node, QString::fromStdString((dir / "sr10").string())}));
}

TEST(DiscProgress, TracksBeforeCountWhole)
{
    DiscProgress progress(10 * 446);  // 10 MB of CD frames, rounded up
    EXPECT_EQ(progress.totalMb(), 11);
    EXPECT_EQ(progress.writtenAfter({1, 3, 4}), 3);
    EXPECT_EQ(progress.writtenAfter({2, 1, 6}), 5);
    EXPECT_EQ(progress.writtenAfter({2, 9, 11}), 9);  // a line that counts the whole disc
}

// A code the burner would take for another is never put on its command line.
TEST(BurnCommand, CodesOnlyInTheirValidForm)
{
    const struct { QString catalog; QStringList isrcs; bool built; } rows[] = {
        {"4901234567894", {"JPAB01234567", ""}, true},
        {"4901234567890", {}, false},          // check digit wrong
        {"036000291452", {}, false},           // a UPC-A not yet in its 13 digits
        {"", {"JPAB0123456"}, false},          // one character short
        {"", {"", "jp-ab0-12-34567"}, false},  // as typed, not as stored
    };
    for (const auto& row : rows) {
        const BurnOptions options{"/dev/sr0", 0, false, false, false, row.catalog, {}, {"/a.wav", "/b.wav"}, row.isrcs};
        EXPECT_EQ(BurnArguments(options).has_value(), row.built) << row.catalog.toStdString();
    }
}

// The lines the command builder makes for each row, as cdrskin reads them.
TEST(BurnCommand, AcceptedByRealCdrskin)
{
    if (geteuid() != 0)
        GTEST_SKIP() << "cdrskin offers its stdio:/dev/null pseudo-drive to the superuser only";
    const TempDir dir;
    QStringList tracks;
    for (const char* name : {"M01_あ.wav", "M02 b.wav"}) {
        testsupport::writeFile(dir / name, testsupport::makeWav(testsupport::silenceLoudSilence(44100, 44100, 44100)));
        tracks << QString::fromStdString((dir / name).string());
    }
    const QString textFile = QString::fromStdString((dir / "disc.cdt").string());
    const QByteArray packs = BuildCdTextPacks({{"ディスク", "演奏者"}, {{"一曲目", "演奏者"}, {"二曲目", "演奏者"}}}).file;
    testsupport::writeFile(dir / "disc.cdt", std::vector<uint8_t>(packs.begin(), packs.end()));
    const BurnOptions rows[] = {
        {"stdio:/dev/null", 0, false, false, false, {}, {}, tracks, {}},
        {"stdio:/dev/null", 8, true, true, false, "4901234567894", textFile, tracks, {"JPAB01234567", ""}},
    };
    for (const BurnOptions& options : rows) {
        QStringList arguments = BurnArguments(options).value();
        ASSERT_EQ(arguments.first(), "--no_rc");
        arguments.insert(1, QStringLiteral("--allow_emulated_drives"));
        QProcess cdrskin;
        cdrskin.start(QString::fromLatin1(BurnerProgram), arguments);
        ASSERT_TRUE(cdrskin.waitForFinished(60000));
        const QString errors = QString::fromUtf8(cdrskin.readAllStandardError());
        EXPECT_EQ(cdrskin.exitCode(), 10);
        EXPECT_TRUE(errors.contains("Reason: audio track prohibited by non-CD,")) << errors.toStdString();
        EXPECT_EQ(errors.count("(-swab) audio bytes in '"), tracks.size()) << errors.toStdString();
        for (const char* problem : {"ignoring unknown option", "unsuitable format", "Inappropriate audio coding",
                                    "CRC mismatch", "Cannot open audio source file", "no_rc"})
            EXPECT_FALSE(errors.contains(QString::fromLatin1(problem), Qt::CaseInsensitive)) << problem;
    }
}
