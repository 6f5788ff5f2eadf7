// The CUE sheet: its text, the names it refuses, what a burner changes, when
// it may be written, the command's questions and its one-piece write with
// the CD-TEXT file beside it, and a real burner program reading the sheet of
// saved tracks.
#include "BuildSaveName.h"
#include "burner_changes.h"
#include "cue_sheet.h"
#include "CueSheetWorkflow.h"
#include "FakePrompts.h"
#include "SaveFilePrompt.h"
#include "TrackSaver.h"
#include "cp932.h"
#include "saved_list.h"
#include "wav_builder.h"
#include "file_size_limit.h"
#include "qstring_printer.h"

#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>

#include <gtest/gtest.h>

#include <cstring>
#include <utility>

using namespace savetest;
using testsupport::TempDir;

namespace {

constexpr int32_t Frame = BurnerChanges::FrameBytes;

TrackRecord unedited(int32_t dataBytes)
{
    TrackRecord record{};
    record.dataBytes = dataBytes;
    record.levelPercent = 100;
    record.preDigitalMute = record.postDigitalMute = record.fadeInEnd = record.fadeOutStart = -1;
    return record;
}

// Tracks at the given paths, titled with their file names.
PlayList listOf(const QStringList& paths, const std::vector<int32_t>& dataBytes = {})
{
    PlayList list;
    for (qsizetype i = 0; i < paths.size(); ++i)
        list.AddTrack(QFileInfo(paths[i]).fileName(), paths[i],
                      unedited(size_t(i) < dataBytes.size() ? dataBytes[i] : 300 * Frame));
    return list;
}

std::string textOf(const std::filesystem::path& path)
{
    const auto bytes = testsupport::readFile(path);
    return std::string(bytes.begin(), bytes.end());
}

// The texts of one pack type in a CD-TEXT file, read here from the 18-byte
// packs after its 4-byte length header: the 12 text bytes of the type's packs run on, each text ending in a
// NUL, or in two in a double-byte (CP932) block; the first count of them.
QStringList packTexts(const std::filesystem::path& path, quint8 type, int count)
{
    const auto file = testsupport::readFile(path);
    QByteArray stream;
    bool doubleByte = false;
    for (size_t at = 4; at + 18 <= file.size(); at += 18) {
        if (quint8(file[at]) != type)
            continue;
        doubleByte = (quint8(file[at + 3]) & 0x80) != 0;
        stream.append(reinterpret_cast<const char*>(file.data() + at + 4), 12);
    }
    const int width = doubleByte ? 2 : 1;
    QStringList texts;
    QByteArray text;
    for (qsizetype i = 0; i + width <= stream.size() && texts.size() < count; i += width) {
        const QByteArray character = stream.mid(i, width);
        if (character != QByteArray(width, '\0'))
            text += character;
        else
            texts << (doubleByte ? DecodeCp932(std::exchange(text, {})).value_or(QStringLiteral("?"))
                                 : QString::fromLatin1(std::exchange(text, {})));
    }
    return texts;
}

class ChosenName : public SaveFilePrompt {
public:
    QString saveFileName(QWidget*, const QString&, const QString& proposedPath, const QString&) override
    {
        proposed = proposedPath;
        return chosen;
    }
    QString chosen;
    QString proposed;
};

// The command as the main window holds it, over a list of tracks in dir.
struct Command {
    TempDir dir;
    PlayList list;
    FakePrompts prompts;
    ChosenName name;
    CueSheetWorkflow workflow{list, prompts, name, nullptr};

    QString path(const std::filesystem::path& name) const { return qpath(dir / name); }
};

// The START frame of every track as cdrdao reads the sheet, and the codes it
// prints (the disc's CATALOG, the tracks' ISRCs) in their order. It looks for
// bare file names in its working directory, so it runs in the sheet's.
struct CdrdaoToc {
    std::vector<int> starts;
    QStringList codes;
};

CdrdaoToc cdrdaoToc(const QString& sheet)
{
    QProcess cdrdao;
    cdrdao.setWorkingDirectory(QFileInfo(sheet).absolutePath());
    cdrdao.start(QStringLiteral("cdrdao"), {QStringLiteral("show-toc"), sheet});
    EXPECT_TRUE(cdrdao.waitForFinished(60000));
    EXPECT_EQ(cdrdao.exitCode(), 0) << cdrdao.readAllStandardError().toStdString();
    const QString toc = QString::fromUtf8(cdrdao.readAllStandardOutput());
    CdrdaoToc read;
    const QRegularExpression start(QStringLiteral(R"(START\s+\d+:\d+:\d+\(\s*(\d+)\))"));
    for (auto match = start.globalMatch(toc); match.hasNext();)
        read.starts.push_back(match.next().captured(1).toInt());
    // "CATALOG NUMBER: 4901234567894", "ISRC JP A1F 26 00001"
    const QRegularExpression code(QStringLiteral(R"(^\s*(?:CATALOG NUMBER:|ISRC) ([A-Z0-9 ]+)$)"),
                                  QRegularExpression::MultilineOption);
    for (auto match = code.globalMatch(toc); match.hasNext();)
        read.codes << match.next().captured(1).remove(u' ');
    return read;
}

}  // namespace

TEST(CueSheet, NamesEveryTrackOfTheListWithoutPauses)
{
    PlayList list =
        listOf({"/cd/disc one/M01_first song.wav", "/cd/disc one/夜明けの歌.WAV", "/elsewhere/M03_M00_b.wav"});
    list.SetDiscText({"my \"best\"", std::nullopt});
    list.TrackAt(1).texts.performer = "Ann";
    // Texts beyond printable ASCII are left to the CD-TEXT file.
    list.TrackAt(2).texts.performer = "Jürgen";
    EXPECT_EQ(BuildCueSheet(list, "/cd/disc one/disc.cue").text.toStdString(),
              "TITLE \"my 'best'\"\n"
              "CDTEXTFILE \"disc.cdt\"\n"
              "FILE \"M01_first song.wav\" WAVE\n"
              "  TRACK 01 AUDIO\n"
              "    TITLE \"first song\"\n"
              "    PERFORMER \"Ann\"\n"
              "    INDEX 01 00:00:00\n"
              "FILE \"夜明けの歌.WAV\" WAVE\n"
              "  TRACK 02 AUDIO\n"
              "    INDEX 01 00:00:00\n"
              "FILE \"/elsewhere/M03_M00_b.wav\" WAVE\n"
              "  TRACK 03 AUDIO\n"
              "    TITLE \"M00_b\"\n"
              "    INDEX 01 00:00:00\n");
}

TEST(CueSheet, RefusesNamesThatWouldBreakItsLines)
{
    const struct { const char* sheet; const char* secondTrack; std::optional<int> unsafe; } rows[] = {
        {"/cd/new\nline.cue", "/cd/b.wav", 0},
        {"/cd/say \"hi\".cue", "/cd/b.wav", 0},
        {"/cd/disc.cue", "/cd/line\rbreak.wav", 2},
        {"/cd/disc.cue", "/cd/say \"hi\".wav", 2},
        {"/cd/disc.cue", "/other\n/b.wav", 2},
        {"/cd\n/disc.cue", "/cd\n/b.wav", std::nullopt},  // named bare beside the sheet
    };
    for (const auto& row : rows) {
        const CueSheet sheet = BuildCueSheet(listOf({"/cd/a.wav", row.secondTrack}), row.sheet);
        EXPECT_EQ(sheet.unsafeName, row.unsafe) << row.sheet << " " << row.secondTrack;
        EXPECT_EQ(sheet.text.isEmpty(), row.unsafe.has_value());
    }
}

TEST(BurnerChanges, PaddingShortTracksAndTheDiscCapacity)
{
    constexpr int32_t Capacity = BurnerChanges::CapacityFrames;
    const struct { std::vector<int32_t> dataBytes; QList<int> padded, shortTracks; bool over; } rows[] = {
        {{300 * Frame, 301 * Frame}, {}, {}, false},
        {{300 * Frame + 4, 300 * Frame - 4}, {1, 2}, {}, false},  // padded to 301 and 300 frames
        {{299 * Frame, 299 * Frame + 4}, {2}, {1}, false},
        {{180000 * Frame, (Capacity - 180000) * Frame}, {}, {}, false},
        {{180000 * Frame, (Capacity - 180000) * Frame + 4}, {2}, {}, true},
    };
    for (const auto& row : rows) {
        const BurnerChanges changes = FindBurnerChanges(listOf({"/a.wav", "/b.wav"}, row.dataBytes));
        EXPECT_EQ(changes.paddedTracks, row.padded);
        EXPECT_EQ(changes.shortTracks, row.shortTracks);
        EXPECT_EQ(changes.overCapacity(), row.over);
    }
}

TEST(CueSheet, AvailableOnlyWhileEveryFileHoldsWhatTheListPlays)
{
    using Edit = void (*)(TrackRecord&);
    const std::pair<Edit, bool> rows[] = {
        {[](TrackRecord&) {}, true},
        {[](TrackRecord& r) { r.preMutePoint = r.preMuteBytes = 4000; }, true},  // changes no sample
        {[](TrackRecord& r) { r.levelPercent = 90; }, false},
        {[](TrackRecord& r) { r.muteAdjustBytes = -4; }, false},
        {[](TrackRecord& r) { r.preDigitalMute = 0; }, false},
        {[](TrackRecord& r) { r.postDigitalMute = 400; }, false},
        {[](TrackRecord& r) { r.fadeInEnd = 400; }, false},
        {[](TrackRecord& r) { r.fadeOutStart = 400; }, false},
    };
    for (const auto& [edit, available] : rows) {
        PlayList list = listOf({"/cd/a.wav", "/cd/b.wav"});
        edit(list.TrackAt(2).record);
        EXPECT_EQ(CueSheetAvailable(list, false), available);
        EXPECT_FALSE(CueSheetAvailable(list, true));
    }
    EXPECT_FALSE(CueSheetAvailable(PlayList(), false));
}

TEST(CueSheetCommand, WritesTheSheetOnlyWhenTheUserAcceptsWhatABurnerChanges)
{
    Command command;
    command.list.AddTrack("a.wav", command.path("a.wav"), unedited(300 * Frame + 4));
    command.name.chosen = command.path("mine");
    command.prompts.answers = {Prompts::Answer::Cancel};
    command.workflow.WriteCommand();
    EXPECT_EQ(command.name.proposed, command.path("disc.cue"));
    EXPECT_FALSE(QFileInfo::exists(command.path("mine.cue")));

    command.workflow.WriteCommand();
    EXPECT_EQ(command.prompts.messages.size(), 2);
    EXPECT_TRUE(command.prompts.messages.last().text.contains("No.1:\"a.wav\"\r\n"));
    EXPECT_EQ(command.prompts.messages.last().defaultAnswer, Prompts::Answer::Cancel);
    EXPECT_EQ(textOf(command.dir / "mine.cue"),
              BuildCueSheet(command.list, command.path("mine.cue")).text.toStdString());
}

TEST(CueSheetCommand, KeepsTheEarlierSheetUnlessANewOneIsWrittenWhole)
{
    Command command;
    command.list.AddTrack("a.wav", command.path("a.wav"), unedited(300 * Frame));
    testsupport::writeFile(command.dir / "disc.cue", {'o', 'l', 'd'});
    command.name.chosen = command.path("disc.cue");
    command.prompts.answers = {Prompts::Answer::Cancel};
    command.workflow.WriteCommand();
    EXPECT_EQ(command.prompts.messages.last().text, "disc.cueは既に存在します。\r\n上書きします。よろしいですか？");

    // No file may grow beyond 2 bytes, as on a full disk.
    {
        const testsupport::FileSizeLimit full(2);
        command.workflow.WriteCommand();
    }
    EXPECT_EQ(command.prompts.messages.last().text,
              QStringLiteral("CUEｼｰﾄを書き込めません\r\n") + QString::fromLocal8Bit(std::strerror(EFBIG)));

    // A text the CD-TEXT cannot hold, and a name that a sheet cannot hold,
    // are refused before anything is written.
    command.list.TrackAt(1).texts.title = "Song 😀";
    command.workflow.WriteCommand();
    EXPECT_EQ(command.prompts.messages.last().text,
              "No.1のﾀｲﾄﾙに、MS-JIS (日本語)のCD-TEXTに書けない文字「😀」(U+1F600)があります。\r\n"
              "CD-TEXTの編集で直してください。");
    command.list.AddTrack("a\nb.wav", command.path("a\nb.wav"), unedited(300 * Frame));
    command.workflow.WriteCommand();
    EXPECT_TRUE(command.prompts.messages.last().text.startsWith("No.2:\"a\nb.wav\"のﾌｧｲﾙ名に"));
    EXPECT_EQ(command.prompts.messages.size(), 7);
    EXPECT_EQ(textOf(command.dir / "disc.cue"), "old");
    EXPECT_EQ(namesIn(command.dir.path()), std::vector<std::string>{"disc.cue"});
}

TEST(CueSheetCommand, CdrdaoPlacesEveryTrackWhereTheSavedFilesEndAndReadsItsCodes)
{
    Command command;
    TempDir other;
    writeTrackFile(command.dir / "first song.wav", 2 * (5 * 44100 + 3), 1);
    writeTrackFile(other / "夜明け.wav", 2 * (4 * 44100 + 1), 2);
    writeTrackFile(command.dir / "c.wav", 2 * 6 * 44100, 3);
    for (const auto& file : {command.dir / "first song.wav", other / "夜明け.wav", command.dir / "c.wav"})
        addTrack(command.list, file);
    // The gap after track 1 and a level go into the saved files.
    command.list.TrackAt(1).record.muteAdjustBytes = 176400;
    command.list.TrackAt(2).record.levelPercent = 50;
    std::vector<int> expected;
    int frames = 0;
    for (int i = 1; i <= 3; ++i) {
        Track& track = command.list.TrackAt(i);
        const QString name = BuildSaveName(i, track.title);
        const QString destination = QFileInfo(track.path).absolutePath() + u'/' + name;
        ASSERT_EQ(TrackSaver(command.list).save(i, destination, name, TrackSaver::InPlace, nullptr).result,
                  ENGINE_SUCCESS);
        expected.push_back(frames);
        frames += (track.record.dataBytes + Frame - 1) / Frame;
    }
    ASSERT_TRUE(CueSheetAvailable(command.list, false));
    command.list.TrackAt(1).texts = {"First", "Ann", "", "", "JPA1F2600001", "Oberg", "Bach"};
    command.list.TrackAt(2).texts = {"夜明け", "Ann", "", "", "JPA1F2600002"};
    DiscTexts disc;
    disc.catalog = "4901234567894";
    command.list.SetDiscText(disc);
    command.name.chosen = command.path("disc");
    command.workflow.WriteCommand();
    const CdrdaoToc toc = cdrdaoToc(command.path("disc.cue"));
    EXPECT_EQ(toc.starts, expected);
    EXPECT_EQ(toc.codes, QStringList({"4901234567894", "JPA1F2600001", "JPA1F2600002"}));
    // The one question names the track a plant would find without its ISRC.
    ASSERT_EQ(command.prompts.messages.size(), 1);
    const QString question = command.prompts.messages[0].text;
    const QStringList plantLines = question.mid(question.indexOf("ISRCのないﾄﾗｯｸ")).split("\r\n");
    EXPECT_TRUE(plantLines.value(1).startsWith("No.3:") && !plantLines.value(2).startsWith("No."))
        << question.toStdString();
    // A Japanese title makes the block double-byte: ASCII in full width. The
    // third track has no performer, so the disc has none either.
    EXPECT_EQ(packTexts(command.dir / "disc.cdt", 0x80, 4), QStringList({"ｄｉｓｃ", "Ｆｉｒｓｔ", "夜明け", "ｃ"}));
    EXPECT_EQ(packTexts(command.dir / "disc.cdt", 0x81, 4), QStringList({"", "Ａｎｎ", "Ａｎｎ", ""}));
}
