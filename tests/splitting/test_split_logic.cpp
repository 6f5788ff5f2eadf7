// Splitting without windows: a two-file recording made here (tones and
// near-silences of known lengths, the first file not a whole number of
// frames) gives the silence proposals expected, and its pieces written to
// disk are the recording's bytes exactly; every way writing can stop leaves
// none of them.
#include "file_system_calls.h"
#include "piece_files.h"
#include "piece_writer.h"
#include "pieces_in_list.h"
#include "play_clock.h"
#include "silence_finder.h"
#include "split_drawing.h"
#include "split_view.h"
#include "split_marks.h"
#include "temp_dir.h"
#include "wav_builder.h"
#include "wav_part.h"
#include "wave_overview.h"

#include <QDir>
#include <QFile>
#include <QString>

#include <gtest/gtest.h>

#include <filesystem>
#include <unistd.h>

using testsupport::TempDir;

namespace {

constexpr int64_t Frame = 588;

// Interleaved stereo: `samples` stereo samples of loud noise or of a hiss
// far below -50 dBFS.
void append(std::vector<int16_t>& to, int64_t samples, bool loud, uint32_t seed)
{
    const auto part = testsupport::noise(size_t(samples * 2), loud ? 20000 : 30, seed);
    to.insert(to.end(), part.begin(), part.end());
}

struct MadeRecording {
    TempDir folder;
    Recording recording;
    std::vector<uint8_t> data;  // both files' sample bytes, one after the other

    MadeRecording()
    {
        std::vector<int16_t> a;
        append(a, 88200, true, 1);    // 2 s of sound: frames 0..149
        append(a, 132300, false, 2);  // 3 s of silence: frames 150..374
        append(a, 66250, true, 3);    // sound again from frame 375, ending inside frame 487
        append(a, 110250, false, 4);  // silence over frames 488..674
        append(a, 10001, true, 5);    // sound from inside frame 675; the file ends off the grid
        std::vector<int16_t> b;
        append(b, 44100, true, 6);
        append(b, 22050, false, 7);   // a silence at the end starts nothing
        QList<RecordingPart> parts;
        for (const auto& [name, samples] : {std::pair{"a.wav", &a}, std::pair{"b.wav", &b}}) {
            const auto bytes = testsupport::makeWav(*samples);
            testsupport::writeFile(folder / name, bytes);
            data.insert(data.end(), bytes.begin() + 44, bytes.end());
            parts << *WavPartOf(QString::fromStdString((folder / name).string()));
        }
        recording = Recording(parts);
    }
};

QString pathIn(const TempDir& dir, const char* name = "")
{
    return QString::fromStdString((dir / name).string());
}

QList<PieceFile> piecesOf(const SplitMarks& marks)
{
    QList<PieceFile> files;
    for (const SplitPiece& piece : marks.pieces())
        files << PieceFile{PieceFileName(piece), piece.start, piece.samples};
    return files;
}

}  // namespace

TEST(Splitting, SilencesProposeMarksAndThePiecesAreTheRecordingExactly)
{
    MadeRecording made;
    WaveOverview overview;
    ASSERT_TRUE(overview.Scan(made.recording, {}).isEmpty());
    const QList<int64_t> proposals = FindSilenceMarks(overview, SilenceRule{});
    // Half a second (38 frames) before the sound resumes at frames 375 and 675.
    EXPECT_EQ(proposals, (QList<int64_t>{337 * Frame, 637 * Frame}));

    SplitMarks marks(made.recording.samples());
    for (const int64_t at : proposals)
        marks.add(at, {}, true);
    marks.keepProposals();
    marks.add(680 * Frame + 200);  // a piece across the two files
    TempDir out;
    ASSERT_EQ(PieceWriter(made.recording).write(pathIn(out), piecesOf(marks), {}).kind, PieceWriting::Written);

    std::vector<uint8_t> joined;
    for (const SplitPiece& piece : marks.pieces()) {
        const auto bytes = testsupport::readFile(out / PieceFileName(piece).toStdString());
        EXPECT_EQ(bytes.size(), size_t(44 + piece.samples * 4));
        if (piece.number < marks.count()) {
            EXPECT_EQ(piece.samples % Frame, 0) << piece.number;
        }
        joined.insert(joined.end(), bytes.begin() + 44, bytes.end());
    }
    EXPECT_TRUE(joined == made.data);
    EXPECT_EQ(QDir(pathIn(out)).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot).size(), 4);
}

TEST(Splitting, MarksStayOnTheGridInOrderAndAFrameApart)
{
    SplitMarks marks(100 * Frame + 10);
    EXPECT_EQ(marks.add(10 * Frame + 300), 1);        // rounds up to frame 11
    EXPECT_EQ(marks.add(11 * Frame - 1), -1);         // the same frame again
    EXPECT_EQ(marks.add(99 * Frame + 400), -1);       // no whole frame after it
    EXPECT_EQ(marks.add(50 * Frame), 2);
    EXPECT_EQ(marks.move(2, 3 * Frame), 12 * Frame);  // held a frame after mark 2
    EXPECT_EQ(marks.nudge(1, -20), Frame);            // held a frame after the start
    EXPECT_FALSE(marks.remove(0));
    EXPECT_EQ(marks.move(0, 7 * Frame), 0);
    QList<int64_t> starts;
    for (const SplitPiece& piece : marks.pieces())
        starts << piece.start << piece.samples;
    EXPECT_EQ(starts, (QList<int64_t>{0, Frame, Frame, 11 * Frame, 12 * Frame, 88 * Frame + 10}));
}

TEST(Splitting, EveryStoppedWriteLeavesNoPiece)
{
    struct Row {
        const char* name;
        std::function<void(const TempDir& out, FileSystemCalls& calls, PieceWriter::Progress& progress)> arrange;
        PieceWriting::Kind kind;
        int filesLeft;  // those the test put there
    };
    const Row rows[] = {
        {"cancelled", [](const TempDir&, FileSystemCalls&, PieceWriter::Progress& p) { p = [](int) { return false; }; },
         PieceWriting::Cancelled, 0},
        {"a name taken", [](const TempDir& out, FileSystemCalls&, PieceWriter::Progress&) {
             testsupport::writeFile(out / "02 Track 02.wav", {1, 2, 3});
         }, PieceWriting::NamesTaken, 1},
        {"a name taken while writing", [](const TempDir& out, FileSystemCalls& calls, PieceWriter::Progress&) {
             calls.renameNoReplace = [&out, n = 0](const char* from, const char* to) mutable {
                 if (++n == 2)
                     testsupport::writeFile(out / "02 Track 02.wav", {1});
                 return FileSystemCalls::KernelRenameNoReplace(from, to);
             };
         }, PieceWriting::NamesTaken, 1},
        {"the recording cut short since it was read", [](const TempDir&, FileSystemCalls& calls, PieceWriter::Progress&) {
             calls.copyRange = [](int in, loff_t* at, int out, size_t bytes) -> ssize_t {
                 EXPECT_EQ(::truncate(("/proc/self/fd/" + std::to_string(in)).c_str(), 1000), 0);
                 return FileSystemCalls::KernelCopyRange(in, at, out, bytes);
             };
         }, PieceWriting::Failed, 0},
        {"the kernel's copy refused", [](const TempDir&, FileSystemCalls& calls, PieceWriter::Progress&) {
             calls.copyRange = [](int, loff_t*, int, size_t) -> ssize_t { errno = EIO; return -1; };
         }, PieceWriting::Failed, 0},
    };
    for (const Row& row : rows) {
        MadeRecording made;
        TempDir out;
        FileSystemCalls calls;
        PieceWriter::Progress progress;
        row.arrange(out, calls, progress);
        SplitMarks marks(made.recording.samples());
        marks.add(337 * Frame);
        marks.add(637 * Frame);
        EXPECT_EQ(PieceWriter(made.recording, calls).write(pathIn(out), piecesOf(marks), progress).kind, row.kind)
            << row.name;
        EXPECT_EQ(QDir(pathIn(out)).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot).size(),
                  row.filesLeft)
            << row.name;
    }
}

TEST(Splitting, TheFileSystemWithoutKernelCopyStillGetsExactPieces)
{
    MadeRecording made;
    TempDir out;
    FileSystemCalls calls;
    calls.copyRange = [](int, loff_t*, int, size_t) -> ssize_t { errno = EXDEV; return -1; };
    SplitMarks marks(made.recording.samples());
    marks.add(690 * Frame);
    ASSERT_EQ(PieceWriter(made.recording, calls).write(pathIn(out), piecesOf(marks), {}).kind, PieceWriting::Written);
    auto joined = testsupport::readFile(out / "01 Track 01.wav");
    const auto second = testsupport::readFile(out / "02 Track 02.wav");
    joined.erase(joined.begin(), joined.begin() + 44);
    joined.insert(joined.end(), second.begin() + 44, second.end());
    EXPECT_TRUE(joined == made.data);
}

TEST(Splitting, PieceNamesAndTheHeardPlace)
{
    const QString longTitle(150, QChar(u'曲'));
    const struct {
        QString title;
        QString name;
    } names[] = {
        {QString(), QStringLiteral("03 Track 03.wav")},
        {QStringLiteral("a/b\tc"), QStringLiteral("03 a_b_c.wav")},
        {QStringLiteral("..hidden"), QStringLiteral("03 hidden.wav")},
        {longTitle, QStringLiteral("03 ") + longTitle.left(64) + QStringLiteral(".wav")},
    };
    for (const auto& row : names) {
        SplitPiece piece{3, 0, 0, {}, false};
        piece.texts.title = row.title;
        EXPECT_EQ(PieceFileName(piece), row.name);
    }

    PlayClock clock;
    clock.start(44100, 1000);
    EXPECT_EQ(clock.heardAt(1500), 44100);  // nothing queued yet
    clock.report(44100 + PlayClock::Ahead + 4410, 2000);
    EXPECT_EQ(clock.heardAt(2000), 44100 + 4410);
    EXPECT_EQ(clock.heardAt(2050), 44100 + 4410 + 2205);
    EXPECT_EQ(clock.heardAt(9000), 44100 + PlayClock::Ahead + 4410);  // never past the queue
}

TEST(Splitting, PiecesInTheListPlayStraightThroughAndLeaveTheUsersDiscTexts)
{
    PlayList list;
    TrackRecord record{};
    record.muteAdjustBytes = 88200;
    record.levelPercent = 80;
    for (int i = 0; i < 4; ++i)
        list.AddTrack(QStringLiteral("t.wav"), QStringLiteral("/t.wav"), record);
    DiscTexts users;
    users.title = QStringLiteral("Mine");
    list.SetDiscText(users);
    DiscTexts sheet;
    sheet.title = QStringLiteral("Sheet's");
    sheet.performer = QStringLiteral("Choir");
    PlayStraightThrough(list, 2, 4, {TrackTexts{QStringLiteral("a")}, TrackTexts{QStringLiteral("b")}}, sheet);
    QList<int> gaps;
    for (int i = 1; i <= 4; ++i)
        gaps << list.TrackAt(i).record.muteAdjustBytes << list.TrackAt(i).record.levelPercent;
    EXPECT_EQ(gaps, (QList<int>{88200, 80, 0, 100, 0, 100, 88200, 100}));
    EXPECT_EQ(list.TrackAt(3).texts.title, QStringLiteral("b"));
    EXPECT_EQ(list.DiscText().title, users.title);
    EXPECT_EQ(list.DiscText().performer, sheet.performer);
}

TEST(Splitting, RecordingPartsTakeOnlyTheEnginesLayoutAndOnlyWhatTheFileHolds)
{
    TempDir dir;
    const auto samples = testsupport::noise(2 * 1000);
    testsupport::WavLayout claimsMore;
    claimsMore.dataSizeField = 40000;
    testsupport::WavLayout at48k;
    at48k.sampleRate = 48000;
    const struct {
        const char* name;
        std::vector<uint8_t> bytes;
        int64_t dataBytes;  // -1: refused
    } rows[] = {
        {"plain.wav", testsupport::makeWav(samples), 4000},
        {"claims_more.wav", testsupport::makeWav(samples, claimsMore), 4000},
        {"odd_tail.wav", [&] { auto b = testsupport::makeWav(samples); b.resize(b.size() - 3); return b; }(), 3996},
        {"48k.wav", testsupport::makeWav(samples, at48k), -1},
        {"short.wav", std::vector<uint8_t>{'R', 'I', 'F', 'F'}, -1},
    };
    for (const auto& row : rows) {
        testsupport::writeFile(dir / row.name, row.bytes);
        const auto part = WavPartOf(pathIn(dir, row.name));
        EXPECT_EQ(part ? part->dataBytes : -1, row.dataBytes) << row.name;
    }
    EXPECT_FALSE(WavPartOf(pathIn(dir)).has_value());  // a folder
}

TEST(Splitting, TheViewZoomsAboutTheColumnAndTheRulerLabelsNeverCrowd)
{
    SplitView view;
    view.reset(75 * 60 * 10, 1000);  // ten minutes over 1,000 columns
    EXPECT_DOUBLE_EQ(view.framesPerPixel(), 45.0);
    const int64_t under = view.sampleAt(250);
    view.zoom(0.01, 250);
    EXPECT_NEAR(double(view.sampleAt(250)), double(under), Frame);
    view.zoom(1e-6, 250);
    EXPECT_DOUBLE_EQ(view.framesPerPixel(), SplitView::FinestFramesPerPixel);
    view.setWidth(500);
    view.zoom(1e6, 0);
    EXPECT_DOUBLE_EQ(view.framesPerPixel(), 90.0);  // the whole recording, no further
    EXPECT_DOUBLE_EQ(view.firstFrame(), 0.0);
    for (const double perPixel : {0.125, 0.3, 1.0, 7.0, 45.0, 333.0, 5000.0}) {
        const int64_t step = splitdrawing::LabelStep(perPixel);
        EXPECT_GE(step / perPixel, 90.0) << perPixel;
    }
}
