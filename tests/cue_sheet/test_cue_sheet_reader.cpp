// Reading CUE sheets: sheets in each encoding and layout cut into pieces on
// the CD frame grid, the sheets refused with the line at fault, and the
// sheets that metaflac embeds in FLAC files that flac makes.
#include "cp932.h"
#include "cue_sheet_reader.h"
#include "flac_cue_sheet.h"
#include "temp_dir.h"
#include "wav_builder.h"

#include <QProcess>

#include <gtest/gtest.h>

#include <string>

namespace {

constexpr int64_t Frame = 588;
enum class Encoding { Utf8, Utf8WithMark, Cp932, Latin1 };

QByteArray encoded(const std::string& sheet, Encoding encoding)
{
    const QString text = QString::fromStdString(sheet);
    if (encoding == Encoding::Cp932)
        return EncodeCp932(text).value_or(QByteArray());
    if (encoding == Encoding::Latin1)
        return text.toLatin1();
    return (encoding == Encoding::Utf8WithMark ? QByteArray("\xEF\xBB\xBF") : QByteArray()) + text.toUtf8();
}

// What a sheet gives on one line: the disc's title, performer and catalog,
// each piece's start in CD frames ("+" when off the grid) with its title,
// performer and ISRC, the files' names and the lines of codes not taken; or
// the line at fault, "unnamed" when the message does not name it.
std::string outcomeOf(const SheetReading& reading, const QList<int64_t>& fileSamples)
{
    SheetFault fault = reading.fault;
    if (reading.sheet) {
        const SheetPlacing placing = PlaceSheet(*reading.sheet, fileSamples);
        if (placing.plan) {
            const DiscTexts& disc = placing.plan->disc;
            QStringList fields{disc.title.value_or("") + u'/' + disc.performer.value_or("") + u'/' + disc.catalog.value_or("")};
            for (const SheetPiece& piece : placing.plan->pieces)
                fields << (QString::number(piece.start / Frame) + (piece.start % Frame ? "+ " : " ") + piece.texts.title +
                          (piece.texts.performer.isEmpty() ? "" : u'/' + piece.texts.performer) + u' ' + piece.texts.isrc)
                             .trimmed();
            QStringList names;
            for (const SheetFile& file : reading.sheet->files)
                names << file.name;
            fields << "files " + names.join(u',');
            if (!reading.sheet->invalidCodeLines.isEmpty())
                fields << "invalid " + QString::number(reading.sheet->invalidCodeLines.size()) + " from line " +
                             QString::number(reading.sheet->invalidCodeLines.first());
            return fields.join(" | ").toStdString();
        }
        fault = placing.fault;
    }
    const bool named = fault.line == 0 ? !fault.text.isEmpty() : fault.text.contains(QString("%1行目").arg(fault.line));
    return "fault " + std::to_string(fault.line) + (named ? "" : " unnamed");
}

const std::string OneTrack = "FILE a.wav WAVE\nTRACK 01 AUDIO\nINDEX 01 00:00:00\n";

void run(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.start(program, arguments);
    ASSERT_TRUE(process.waitForFinished(60000));
    ASSERT_EQ(process.exitCode(), 0) << process.readAllStandardError().toStdString();
}

// The disc's catalog and each track's number, INDEX 00, INDEX 01 and ISRC,
// or the fault's text.
std::string tracksOf(const SheetReading& reading)
{
    std::string tracks = reading.sheet ? reading.sheet->disc.catalog.value_or("").toStdString() + '\n'
                                       : reading.fault.text.toStdString();
    for (const SheetTrack& track : reading.sheet ? reading.sheet->tracks : QList<SheetTrack>())
        tracks += std::to_string(track.number) + ' ' + std::to_string(track.index00.value_or(-1)) + ' ' +
                  std::to_string(track.index01) + ' ' + track.texts.isrc.toStdString() + '\n';
    return tracks;
}

}  // namespace

TEST(CueSheetReader, CutsRecordingsOnTheFrameGridOrNamesTheLineAtFault)
{
    const QList<int64_t> tenMinutes{10 * 60 * 75 * Frame};
    const struct {
        std::string sheet;
        Encoding encoding;
        QList<int64_t> fileSamples;
        const char* outcome;
    } rows[] = {
        // An image with pre-gaps, the first track's hiding audio before its INDEX 01.
        {"REM GENRE Pop\nCATALOG 4901234567894\nPERFORMER \"Band\"\nTITLE \"Album\"\nFILE \"image.wav\" WAVE\n"
         "  TRACK 01 AUDIO\n    TITLE \"One\"\n    PERFORMER Solo Singer\n    ISRC jp-a1f-26-00001\n"
         "    INDEX 00 00:00:00\n    INDEX 01 00:02:00\n  TRACK 02 AUDIO\n    TITLE \"Two\"\n    FLAGS DCP\n"
         "    PREGAP 00:01:00\n    INDEX 00 01:00:00\n    INDEX 01 01:02:10\n    INDEX 02 01:30:00\n",
         Encoding::Utf8, tenMinutes,
         "Album/Band/4901234567894 | 0 | 150 One/Solo Singer JPA1F2600001 | 4660 Two | files image.wav"},
        // A file per track, each gap at the end of the file before, lengths off the grid, a bare name with a blank.
        {"FILE 01 first.wav WAVE\nTRACK 01 AUDIO\nTITLE A\nINDEX 01 00:00:00\nTRACK 02 AUDIO\nTITLE B\n"
         "INDEX 00 00:09:00\nFILE \"02.flac\" FLAC\nINDEX 01 00:00:00\nFILE \"03.mp3\" MP3\nTRACK 03 AUDIO\nTITLE C\n"
         "INDEX 01 00:00:00\nFILE \"04.wav\" WAVE\n",
         Encoding::Utf8, {750 * Frame + 100, 300 * Frame + 400, 300 * Frame, 75 * Frame},
         "// | 0 A | 750 B | 1051 C | files 01 first.wav,02.flac,03.mp3,04.wav"},
        {"title \"朝の歌集\"\rperformer \"ﾔﾏﾀﾞ ﾊﾅｺ\"\rfile \"歌.wav\" wave\r\ttrack 1 audio\r\ttitle \"ｼｰﾄの歌\"\r"
         "\tindex 01 00:00:00\r",
         Encoding::Cp932, tenMinutes, "朝の歌集/ﾔﾏﾀﾞ ﾊﾅｺ/ | 0 ｼｰﾄの歌 | files 歌.wav"},
        {"TITLE \"Café\"\r\nFILE \"a.wav\" WAVE\r\n  TRACK 01 AUDIO\r\n    TITLE \"Ünïcode 歌\"\r\n    INDEX 01 00:00:00\r\n"
         "  TRACK 02 AUDIO\r\n    INDEX 01 00:01:00\r\n",
         Encoding::Utf8WithMark, tenMinutes, "Café// | 0 Ünïcode 歌 | 75 | files a.wav"},
        {"PERFORMER \"Mötley Café\"\nFILE \"ä.wav\" WAVE\nTRACK 01 AUDIO\nTITLE \"Für Elise\"\nINDEX 01 00:00:00\n",
         Encoding::Latin1, tenMinutes, "/Mötley Café/ | 0 Für Elise | files ä.wav"},
        // A catalog number's check digit wrong, an ISRC before any track, one too short.
        {"CATALOG 4901234567893\nISRC JPA1F2600001\n" + OneTrack + "ISRC JPA1F26000\n", Encoding::Utf8, tenMinutes,
         "// | 0 | files a.wav | invalid 3 from line 1"},
        {"FILE a.wav WAVE\nTRACK 01 AUDIO\nINDEX 01 00:61:00\n", Encoding::Utf8, tenMinutes, "fault 3"},
        {"FILE a.wav WAVE\nTRACK 01 AUDIO\nINDEX 01 00:00:75\n", Encoding::Utf8, tenMinutes, "fault 3"},
        {"FILE a.wav WAVE\nTRACK 01 AUDIO\nINDEX 01\n", Encoding::Utf8, tenMinutes, "fault 3"},
        {"FILE a.wav WAVE\nTRACK 01 AUDIO\nTITLE\n", Encoding::Utf8, tenMinutes, "fault 3"},
        {"FILE \"a.wav WAVE\n", Encoding::Utf8, tenMinutes, "fault 1"},
        {"REM\nTRACK 01 AUDIO\nINDEX 01 00:00:00\n", Encoding::Utf8, tenMinutes, "fault 2"},
        {"FILE a.wav WAVE\nINDEX 01 00:00:00\n", Encoding::Utf8, tenMinutes, "fault 2"},
        {"FILE a.wav WAVE\nTRACK 100 AUDIO\n", Encoding::Utf8, tenMinutes, "fault 2"},
        {"FILE a.wav WAVE\nTRACK 0 AUDIO\n", Encoding::Utf8, tenMinutes, "fault 2"},
        {OneTrack + "TRACK 01 AUDIO\nINDEX 01 00:01:00\n", Encoding::Utf8, tenMinutes, "fault 4"},
        {"FILE a.wav WAVE\nTRACK 01 AUDIO\nINDEX 100 00:00:00\n", Encoding::Utf8, tenMinutes, "fault 3"},
        {"FILE a.bin BINARY\nTRACK 01 MODE1/2352\n", Encoding::Utf8, tenMinutes, "fault 2"},
        {"FILE a.wav WAVE\nTRACK 01 AUDIO\nINDEX 00 00:00:00\nTRACK 02 AUDIO\nINDEX 01 00:02:00\n", Encoding::Utf8,
         tenMinutes, "fault 2"},
        {OneTrack + "TRACK 02 AUDIO\n", Encoding::Utf8, tenMinutes, "fault 4"},
        {OneTrack + "TRACK 02 AUDIO\nINDEX 01 00:00:00\n", Encoding::Utf8, tenMinutes, "fault 5"},
        {OneTrack + "INDEX 00 00:01:00\n", Encoding::Utf8, tenMinutes, "fault 4"},
        {"REM no track\nFILE a.wav WAVE\n", Encoding::Utf8, tenMinutes, "fault 0"},
        {std::string(10000, '\n') + OneTrack, Encoding::Utf8, tenMinutes, "fault 10001"},
        // Marks that the files' lengths refuse: an INDEX 01 at its file's
        // end, an INDEX 00 at the end of the file before, a start that
        // rounds onto the one before and one onto the recording's end.
        {OneTrack + "TRACK 02 AUDIO\nINDEX 01 00:02:00\n", Encoding::Utf8, {150 * Frame}, "fault 5"},
        {OneTrack + "TRACK 02 AUDIO\nINDEX 00 00:02:00\nFILE b.wav WAVE\nINDEX 01 00:00:00\n", Encoding::Utf8,
         {150 * Frame, 75 * Frame}, "fault 5"},
        {OneTrack + "FILE b.wav WAVE\nTRACK 02 AUDIO\nINDEX 01 00:00:00\nFILE c.wav WAVE\nTRACK 03 AUDIO\n"
         "INDEX 01 00:00:00\n", Encoding::Utf8, {75 * Frame, 200, 75 * Frame}, "fault 9"},
        {OneTrack + "FILE b.wav WAVE\nTRACK 02 AUDIO\nINDEX 01 00:00:00\n", Encoding::Utf8, {75 * Frame - 200, 150},
         "fault 6"},
    };
    for (const auto& row : rows)
        EXPECT_EQ(outcomeOf(ReadCueSheet(encoded(row.sheet, row.encoding)), row.fileSamples), row.outcome) << row.sheet;
}

TEST(CueSheetReader, ReadsTheSheetMetaflacEmbedsInAFlacFile)
{
    const QByteArray sheet = "CATALOG 4901234567894\nFILE \"x.wav\" WAVE\n  TRACK 01 AUDIO\n    ISRC JPA1F2600001\n"
                             "    INDEX 01 00:00:00\n  TRACK 02 AUDIO\n    INDEX 00 00:03:00\n    INDEX 01 00:04:10\n"
                             "  TRACK 03 AUDIO\n    INDEX 01 00:07:33\n";
    const std::string expected = tracksOf(ReadCueSheet(sheet));
    const struct {
        const char* option;
        uint32_t sampleRate;
    } rows[] = {
        {"--import-cuesheet-from=", 44100},
        {"--import-cuesheet-from=", 48000},  // its offsets in 48 kHz samples
        {"--set-tag-from-file=CUESHEET=", 44100},
    };
    for (const auto& row : rows) {
        const testsupport::TempDir dir;
        testsupport::WavLayout layout;
        layout.sampleRate = row.sampleRate;
        testsupport::writeFile(dir / "x.wav", testsupport::makeWav(std::vector<int16_t>(2 * 10 * row.sampleRate), layout));
        testsupport::writeFile(dir / "x.cue", std::vector<uint8_t>(sheet.begin(), sheet.end()));
        const QString flac = QString::fromStdString((dir / "x.flac").string());
        run("flac", {"--silent", "-o", flac, QString::fromStdString((dir / "x.wav").string())});
        run("metaflac", {row.option + QString::fromStdString((dir / "x.cue").string()), flac});
        const std::vector<uint8_t> bytes = testsupport::readFile(dir / "x.flac");
        const QByteArrayView head(bytes.data(), qsizetype(bytes.size()));
        EXPECT_EQ(tracksOf(ReadFlacCueSheet(head)), expected) << row.option << row.sampleRate;
    }
}
