// mnuFileSplit end to end under the offscreen platform: a recording with its
// CUE sheet (a hidden first piece, a pre-gap, a Shift-JIS title) and a FLAC
// file with its sheet embedded by metaflac become pieces in the list that
// play straight through; cdrdao reads the CUE sheet the program writes for
// that list with every track where the source sheet put its INDEX 01. A
// sheet naming a missing file is refused with its line.
#include "DecodeDirectory.h"
#include "DialogDriver.h"
#include "FakeDirectories.h"
#include "FakePrompts.h"
#include "OpenWorkflow.h"
#include "QtTestEnvironment.h"
#include "SplitCommand.h"
#include "cp932.h"
#include "cue_sheet.h"
#include "split_messages.h"
#include "temp_dir.h"
#include "wav_builder.h"

#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>

namespace {

QString qpath(const std::filesystem::path& path)
{
    return QString::fromStdString(path.string());
}

bool run(const QString& program, const QStringList& arguments, const QString& folder, QString* output = nullptr)
{
    QProcess process;
    process.setWorkingDirectory(folder);
    process.start(program, arguments);
    const bool ran = process.waitForFinished(60000) && process.exitCode() == 0;
    if (output)
        *output = QString::fromUtf8(process.readAllStandardOutput());
    return ran;
}

struct Splitting {
    testsupport::TempDir dir;
    PlayList list;
    FakePrompts prompts;
    FakeDirectories directories;
    Settings settings;
    DecodeDirectory decodeDirectory{prompts, directories};
    OpenWorkflow open{list, prompts, settings, decodeDirectory, {}, [](const ListChange&) {}, nullptr};
    SplitCommand command{list, prompts, directories, decodeDirectory,
                         {[] {}, [this](const QStringList& paths) { open.OpenFiles(paths); },
                          [](const ListChange&) {}, [] {}},
                         nullptr};

    Splitting()
    {
        open.EnableConversion(decodeDirectory);
        std::filesystem::create_directory(dir / "out");
        std::filesystem::create_directory(dir / "decoded");
    }
    // Opens path in the split window and presses OK there.
    void splitWithOk(const QString& path)
    {
        dialogdriver::whenShown(QStringLiteral("fSplit"), [](QWidget* window) {
            window->findChild<QPushButton*>(QStringLiteral("cmdOK"))->click();
        });
        command.Open(path);
    }
    // The START frame of every track as cdrdao reads the sheet the program
    // writes for the list.
    QList<int> cdrdaoStarts()
    {
        const QString sheet = qpath(dir / "out" / "disc.cue");
        QFile file(sheet);
        if (!file.open(QIODevice::WriteOnly))
            return {};
        file.write(BuildCueSheet(list, sheet).text.toUtf8());
        file.close();
        QString toc;
        if (!run(QStringLiteral("cdrdao"), {QStringLiteral("show-toc"), sheet}, qpath(dir / "out"), &toc))
            return {};
        QList<int> starts;
        const QRegularExpression start(QStringLiteral(R"(START\s+\d+:\d+:\d+\(\s*(\d+)\))"));
        for (auto match = start.globalMatch(toc); match.hasNext();)
            starts << match.next().captured(1).toInt();
        return starts;
    }
};

// 20 s of sound; the sheet's INDEX 01 lie at frames 150, 685 and 1125.
const char* const Sheet = "REM GENRE Live\r\n"
                          "PERFORMER \"Choir\"\r\n"
                          "TITLE \"%1\"\r\n"
                          "FILE \"%2\" WAVE\r\n"
                          "  TRACK 01 AUDIO\r\n"
                          "    TITLE \"開演\"\r\n"
                          "    ISRC JPA1F2600001\r\n"
                          "    INDEX 01 00:02:00\r\n"
                          "  TRACK 02 AUDIO\r\n"
                          "    TITLE \"Second\"\r\n"
                          "    INDEX 00 00:07:00\r\n"
                          "    INDEX 01 00:09:10\r\n"
                          "  TRACK 03 AUDIO\r\n"
                          "    INDEX 01 00:15:00\r\n";

}  // namespace

class SplitCommandTest : public QObject {
    Q_OBJECT
private slots:
    void aShiftJisSheetSplitsItsRecordingWhereItsIndexesAre()
    {
        Splitting split;
        testsupport::writeFile(split.dir / "live.wav", testsupport::makeWav(testsupport::noise(2 * 20 * 44100)));
        const QString text = QString::fromUtf8(Sheet).arg(QStringLiteral("夜の部"), QStringLiteral("live.wav"));
        const QByteArray sheet = *EncodeCp932(text);
        QFile file(qpath(split.dir / "live.cue"));
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(sheet) == sheet.size());
        file.close();
        split.directories.answers << qpath(split.dir / "out");
        split.prompts.answers << Prompts::Answer::Yes;  // the 2-second head piece is short
        split.splitWithOk(qpath(split.dir / "live.cue"));

        QCOMPARE(split.list.TrackCount(), 4);
        QCOMPARE(split.list.TrackAt(2).texts.title, QStringLiteral("開演"));
        QCOMPARE(split.list.TrackAt(2).texts.isrc, QStringLiteral("JPA1F2600001"));
        QCOMPARE(split.list.DiscText().title, std::optional<QString>(QStringLiteral("夜の部")));
        for (int i = 1; i <= 4; ++i)
            QCOMPARE(split.list.TrackAt(i).record.muteAdjustBytes, 0);
        QVERIFY(split.prompts.messages.value(0).text.contains(QStringLiteral("01")));
        QCOMPARE(split.cdrdaoStarts(), QList<int>({0, 150, 685, 1125}));
    }

    void aFlacWithItsEmbeddedSheetIsSplitFromItsConversion()
    {
        Splitting split;
        testsupport::writeFile(split.dir / "album.wav", testsupport::makeWav(testsupport::noise(2 * 14 * 44100)));
        QFile cue(qpath(split.dir / "album.cue"));
        QVERIFY(cue.open(QIODevice::WriteOnly));
        cue.write("FILE \"album.flac\" WAVE\n  TRACK 01 AUDIO\n    INDEX 01 00:00:00\n"
                  "  TRACK 02 AUDIO\n    INDEX 01 00:06:30\n");
        cue.close();
        const QString folder = qpath(split.dir.path());
        QVERIFY(run(QStringLiteral("flac"), {"-s", "-o", "album.flac", "album.wav"}, folder));
        QVERIFY(run(QStringLiteral("metaflac"), {"--import-cuesheet-from=album.cue", "album.flac"}, folder));
        split.directories.answers << qpath(split.dir / "decoded") << qpath(split.dir / "out");
        split.splitWithOk(qpath(split.dir / "album.flac"));

        QCOMPARE(split.list.TrackCount(), 2);
        QCOMPARE(split.cdrdaoStarts(), QList<int>({0, 480}));
        // The pieces hold the FLAC's samples, which are the WAV file's.
        QByteArray joined;
        for (int i = 1; i <= 2; ++i) {
            QFile piece(split.list.TrackAt(i).path);
            QVERIFY(piece.open(QIODevice::ReadOnly));
            joined += piece.readAll().mid(44);
        }
        QFile source(qpath(split.dir / "album.wav"));
        QVERIFY(source.open(QIODevice::ReadOnly));
        QVERIFY(joined == source.readAll().mid(44));
    }

    void morePiecesThanTheListHasRoomForAreRefusedWithBothCounts()
    {
        Splitting split;
        for (int i = 0; i < 27; ++i)
            split.list.AddTrack(QStringLiteral("t.wav"), QStringLiteral("/t.wav"), TrackRecord{});
        testsupport::writeFile(split.dir / "live.wav", testsupport::makeWav(testsupport::noise(2 * 20 * 44100)));
        QFile file(qpath(split.dir / "live.cue"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(QString::fromUtf8(Sheet).arg(QStringLiteral("x"), QStringLiteral("live.wav")).toUtf8());
        file.close();
        dialogdriver::whenShown(QStringLiteral("fSplit"), [](QWidget* window) {
            window->findChild<QPushButton*>(QStringLiteral("cmdOK"))->click();
            window->findChild<QPushButton*>(QStringLiteral("cmdCancel"))->click();
        });
        split.command.Open(qpath(split.dir / "live.cue"));
        QCOMPARE(split.prompts.messages.size(), 1);
        QCOMPARE(split.prompts.messages[0].text, splitmessages::tooManyPieces(4, 3));
        QCOMPARE(split.list.TrackCount(), 27);
        QVERIFY(split.directories.startedIn.isEmpty());
    }

    void aSheetNamingAMissingFileIsRefusedWithItsLine()
    {
        Splitting split;
        QFile file(qpath(split.dir / "gone.cue"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(QString::fromUtf8(Sheet).arg(QStringLiteral("x"), QStringLiteral("gone.wav")).toUtf8());
        file.close();
        split.command.Open(qpath(split.dir / "gone.cue"));
        QCOMPARE(split.prompts.messages.size(), 1);
        QVERIFY(split.prompts.messages[0].text.contains(QStringLiteral(" 4 ")));
        QVERIFY(split.prompts.messages[0].text.contains(QStringLiteral("gone.wav")));
        QCOMPARE(split.list.TrackCount(), 0);
    }
};

SONVELLE_QTEST_MAIN(SplitCommandTest)
#include "test_split_command.moc"
