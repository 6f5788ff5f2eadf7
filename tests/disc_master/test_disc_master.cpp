// The plant master: an image of three saved tracks against its records
// written out by hand from the format's tables, its samples copied inside
// the kernel, through the buffer, or both when the kernel's copy fails part
// way; the checksums through md5sum and the CD-TEXT through cdrskin;
// failures and a cancel that leave no folder behind, a rename without the
// no-replace flag, staging folders that killed exports left swept; the PQ
// sheet read back by pdftotext.
#include "QtTestEnvironment.h"
#include "cd_text_packs.h"
#include "cp932.h"
#include "file_size_limit.h"
#include "image_writer.h"
#include "pq_sheet.h"
#include "pq_sheet_pdf.h"
#include "temp_dir.h"
#include "wav_builder.h"

#include <QProcess>

#include <pwd.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

namespace fs = std::filesystem;

namespace {

constexpr qint64 Frame = 2352;
constexpr qint64 WavHeader = 44;

QByteArray readAll(const fs::path& path)
{
    const auto bytes = testsupport::readFile(path);
    return QByteArray(reinterpret_cast<const char*>(bytes.data()), qsizetype(bytes.size()));
}

QString qpath(const fs::path& path)
{
    return QFile::decodeName(path.c_str());
}

// Three saved tracks in their own folder: the first not a whole number of
// frames, the second and third with ISRCs, Japanese CD-TEXT.
struct SavedDisc {
    testsupport::TempDir dir;
    MasterDisc disc;
    QList<QByteArray> data;  // each track's samples as its file holds them

    // The tracks go into tracksFolder, the image into the test's own folder.
    explicit SavedDisc(std::optional<fs::path> tracksFolder = std::nullopt)
    {
        const fs::path tracks = tracksFolder.value_or(dir / "tracks");
        fs::create_directory(tracks);
        fs::create_directory(dir / "out");
        const size_t frames[] = {300 * 588 + 7, 310 * 588, 305 * 588};
        const char* isrcs[] = {"", "JPA1F2600001", "JPA1F2600002"};
        const char* titles[] = {"夜明けの歌", "Second", "三曲目"};
        for (int i = 0; i < 3; ++i) {
            const fs::path path = tracks / ("M0" + std::to_string(i + 1) + ".wav");
            const auto wav = testsupport::makeWav(testsupport::noise(2 * frames[i], 20000, uint32_t(i + 1)));
            testsupport::writeFile(path, wav);
            data.append(QByteArray(reinterpret_cast<const char*>(wav.data()) + WavHeader,
                                   qsizetype(wav.size()) - WavHeader));
            disc.tracks.append({qpath(path), WavHeader, data.last().size(), FileVersion::OfRegularFile(qpath(path)),
                                QString::fromLatin1(isrcs[i]), QString::fromUtf8(titles[i]), QStringLiteral("山田")});
        }
        disc.catalog = QStringLiteral("4901234567894");
        disc.title = QStringLiteral("はじめてのCD");
        disc.performer = QStringLiteral("山田");
        CdTextSet texts;
        texts.disc = {.title = disc.title, .performer = disc.performer, .code = disc.catalog};
        for (const MasterTrack& track : disc.tracks)
            texts.tracks.append({.title = track.title, .performer = track.performer, .code = track.isrc});
        disc.cdTextPacks = BuildCdTextPacks(texts).file.mid(4);
    }

    QString image() const { return qpath(dir / "out" / "DISC 1"); }
};

// Runs a program in folder; its standard output, or nothing when it failed.
std::optional<QByteArray> run(const QStringList& command, const QString& folder = {})
{
    QProcess process;
    process.setWorkingDirectory(folder);
    process.start(command.first(), command.mid(1));
    if (!process.waitForFinished(60000) || process.exitCode() != 0) {
        qWarning() << command << process.readAllStandardError();
        return std::nullopt;
    }
    return process.readAllStandardOutput();
}

// cdrskin refuses to run as root; as root it runs as the user nobody.
std::optional<QByteArray> cdrskinSheet(const QString& textFile)
{
    QStringList command{QStringLiteral("cdrskin"), QStringLiteral("textfile_to_v07t=") + textFile};
    if (geteuid() == 0)
        command = QStringList{QStringLiteral("runuser"), QStringLiteral("-u"), QStringLiteral("nobody"),
                              QStringLiteral("--")} + command;
    return run(command);
}

QByteArray withLength(const QByteArray& packs)
{
    const qsizetype length = packs.size() + 2;
    QByteArray header(4, '\0');
    header[0] = char(length >> 8);
    header[1] = char(length & 0xFF);
    return header + packs;
}

// How the kernel's copy fares in a row.
enum class KernelCopy { Copies, OtherFileSystem, FailsPartWay };
constexpr size_t PartBytes = 1001;

// The records of SavedDisc's image, field by field in the order of the
// format's tables: tracks of 301, 310 and 305 frames after the 150 frames of
// the pre-gap put track 2 at frame 451 (00:06:01), track 3 at 761 (00:10:11)
// and the lead-out at 1066 (00:14:16).
// DDPID: level, UPC/EAN, map stream start, reserved, media, master ID,
// book, type, sides and layers, user-text length, user text.
const QByteArray ExpectedId = "DDP 2.00" "4901234567894" "        " "        " " "
                              "DISC 1                                          " " " "CD" "    " "  "
                              "                                 ";
// PQDESCR: marker, track, index, hours, MMSSFF, control, reserved, ISRC,
// UPC/EAN, text.
const QByteArray ExpectedPq =
    "VVVS" "00" "00" "  " "000000" "01" "  " "            " "             " "                   "
    "VVVS" "01" "00" "  " "000000" "01" "  " "            " "             " "                   "
    "VVVS" "01" "01" "  " "000200" "01" "  " "            " "             " "                   "
    "VVVS" "02" "01" "  " "000601" "01" "  " "JPA1F2600001" "             " "                   "
    "VVVS" "03" "01" "  " "001011" "01" "  " "JPA1F2600002" "             " "                   "
    "VVVS" "AA" "01" "  " "001416" "01" "  " "            " "             " "                   "
    "VVVS" "AA" "01" "  " "001416" "01" "  " "            " "             " "                   ";
// DDPMS: marker, type, pointer, length, start, subcode, mode, storage,
// scrambled, pre-gap parts 1 and 2, post-gap, media, track, index, ISRC,
// name length, name, reserved, next pre-gap, pause, byte offset, reserved;
// the CD-TEXT's length is its file's size.
QByteArray expectedMap(qsizetype cdTextBytes)
{
    const QByteArray tail = "    " " " "  " "  " "            " "017";
    const QByteArray end = " " "    " "        " "         " "               ";
    return "VVVM" "D0" "        " "00001066" "00000000" "        " "DA" "7" "0" "0000" "0150" + tail +
           "IMAGE.DAT        " + end +
           "VVVM" "S0" "        " "00000448" "00000000" "PQ DESCR" "  " " " " " "    " "    " + tail +
           "PQDESCR          " + end +
           "VVVM" "S0" "        " + QByteArray::number(cdTextBytes).rightJustified(8, '0') + "00000000" "CDTEXT  "
           "  " " " " " "    " "    " + tail + "CDTEXT.BIN       " + end;
}

std::vector<std::string> namesIn(const fs::path& folder)
{
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

}  // namespace

Q_DECLARE_METATYPE(ImageFailure)
Q_DECLARE_METATYPE(KernelCopy)

class DiscMasterTest : public QObject {
    Q_OBJECT
private slots:
    void imageHoldsTheSavedTracksAsTheFormatDescribes_data();
    void imageHoldsTheSavedTracksAsTheFormatDescribes();
    void failuresAndCancelLeaveNoFolder_data();
    void failuresAndCancelLeaveNoFolder();
    void renameWithoutNoReplace_data();
    void renameWithoutNoReplace();
    void leftStagingFolders_data();
    void leftStagingFolders();
    void pqSheetPrintsTheTracks();
};

void DiscMasterTest::imageHoldsTheSavedTracksAsTheFormatDescribes_data()
{
    QTest::addColumn<KernelCopy>("kernel");
    QTest::newRow("copied inside the kernel") << KernelCopy::Copies;
    // The kernel copies from a memory file system to a disk one only
    // through the buffer.
    QTest::newRow("tracks on another file system") << KernelCopy::OtherFileSystem;
    QTest::newRow("kernel copy fails part way") << KernelCopy::FailsPartWay;
}

void DiscMasterTest::imageHoldsTheSavedTracksAsTheFormatDescribes()
{
    QFETCH(KernelCopy, kernel);
    QTemporaryDir memory(QStringLiteral("/dev/shm/sonvelle-test-XXXXXX"));
    if (kernel == KernelCopy::OtherFileSystem && !memory.isValid())
        QSKIP("no /dev/shm");
    const SavedDisc saved(kernel == KernelCopy::OtherFileSystem
                              ? std::optional(fs::path(memory.path().toStdString()) / "tracks")
                              : std::nullopt);
    // A short count, then a refusal: the buffer goes on from there.
    FileSystemCalls calls;
    int copies = 0;
    if (kernel == KernelCopy::FailsPartWay)
        calls.copyRange = [&copies](int source, loff_t* at, int out, size_t bytes) -> ssize_t {
            if (++copies == 1)
                return FileSystemCalls::KernelCopyRange(source, at, out, std::min(bytes, PartBytes));
            errno = EXDEV;
            return -1;
        };
    const ImageResult result = WriteDdpImage(saved.disc, saved.image(), [](int) { return true; }, calls);
    QVERIFY(!result.failure);
    const fs::path image = saved.dir / "out" / "DISC 1";
    QCOMPARE(readAll(image / "DDPID"), ExpectedId);
    QCOMPARE(readAll(image / "PQDESCR"), ExpectedPq);
    QCOMPARE(readAll(image / "DDPMS"), expectedMap(saved.disc.cdTextPacks.size()));

    // The pre-gap silent, each track padded with silence, nothing twice.
    QByteArray expectedImage(150 * Frame, '\0');
    qint64 dataBytes = 0;
    for (const QByteArray& track : saved.data) {
        expectedImage += track + QByteArray((Frame - track.size() % Frame) % Frame, '\0');
        dataBytes += track.size();
    }
    const QByteArray imageData = readAll(image / "IMAGE.DAT");
    QVERIFY(imageData == expectedImage);
    const qint64 inKernel = kernel == KernelCopy::Copies ? dataBytes : kernel == KernelCopy::FailsPartWay ? qint64(PartBytes) : 0;
    QCOMPARE(result.copied, (CopiedBytes{inKernel, dataBytes - inKernel}));
    QCOMPARE(result.imageMd5.toLatin1(), QCryptographicHash::hash(imageData, QCryptographicHash::Md5).toHex());
    const auto checked = run({QStringLiteral("md5sum"), QStringLiteral("-c"), QStringLiteral("CHECKSUM.MD5")},
                             saved.image());
    QVERIFY(checked);
    QCOMPARE(checked->count(": OK\n"), 5);

    // The CD-TEXT with the header of a burner's text file, for cdrskin.
    const testsupport::TempDir readable;
    fs::permissions(readable.path(), fs::perms::owner_all | fs::perms::others_read | fs::perms::others_exec);
    const QByteArray packs = readAll(image / "CDTEXT.BIN");
    QFile textFile(qpath(readable / "disc.cdt"));
    QVERIFY(textFile.open(QIODevice::WriteOnly) && textFile.write(withLength(packs)) == packs.size() + 4);
    textFile.close();
    fs::permissions(readable / "disc.cdt", fs::perms::owner_read | fs::perms::owner_write | fs::perms::others_read);
    const auto sheet = cdrskinSheet(textFile.fileName());
    QVERIFY(sheet);
    const QByteArray title = "Track 03 Title";
    const QByteArray line = sheet->mid(sheet->indexOf(title)).split('\n').first();
    QCOMPARE(DecodeCp932(line.mid(line.indexOf(" = ") + 3)), QStringLiteral("三曲目"));
}

void DiscMasterTest::failuresAndCancelLeaveNoFolder_data()
{
    using Kind = ImageFailure::Kind;
    QTest::addColumn<int>("fault");
    QTest::addColumn<ImageFailure>("failure");
    QTest::newRow("full disk part way") << 0 << ImageFailure{Kind::WriteFailed, 0, EFBIG};
    QTest::newRow("cancel half way") << 1 << ImageFailure{Kind::Cancelled, 0, 0};
    QTest::newRow("track changed since saved") << 2 << ImageFailure{Kind::TrackChanged, 2, 0};
    QTest::newRow("track file gone") << 3 << ImageFailure{Kind::ReadFailed, 3, ENOENT};
    QTest::newRow("track shorter than its record") << 4 << ImageFailure{Kind::TrackCutShort, 1, 0};
    QTest::newRow("folder exists") << 5 << ImageFailure{Kind::FolderExists, 0, 0};
    QTest::newRow("ISRC one character short") << 6 << ImageFailure{Kind::InvalidCode, 2, 0};
    QTest::newRow("catalog number's check digit wrong") << 7 << ImageFailure{Kind::InvalidCode, 0, 0};
}

void DiscMasterTest::failuresAndCancelLeaveNoFolder()
{
    QFETCH(int, fault);
    QFETCH(ImageFailure, failure);
    SavedDisc saved;
    MasterDisc& disc = saved.disc;
    std::optional<testsupport::FileSizeLimit> fullDisk;
    std::vector<std::string> leftInFolder;
    switch (fault) {
    case 0: fullDisk.emplace(1 << 20); break;
    case 2: fs::last_write_time(fs::path(disc.tracks[1].path.toStdString()), fs::file_time_type::clock::now()); break;
    case 3: fs::remove(fs::path(disc.tracks[2].path.toStdString())); break;
    case 4: disc.tracks[0].dataBytes += 8; break;
    case 5:
        fs::create_directories(saved.dir / "out" / "DISC 1" / "mine");
        leftInFolder = {"DISC 1"};
        break;
    case 6: disc.tracks[1].isrc.chop(1); break;
    case 7: disc.catalog = QStringLiteral("4901234567890"); break;
    }
    const auto progress = [fault](int percent) { return fault != 1 || percent < 50; };
    const ImageResult result = WriteDdpImage(disc, saved.image(), progress);
    fullDisk.reset();
    QCOMPARE(result.failure, failure);
    QCOMPARE(namesIn(saved.dir / "out"), leftInFolder);
    if (fault == 5)
        QCOMPARE(fs::directory_iterator(saved.dir / "out" / "DISC 1")->path().filename(), "mine");
}

void DiscMasterTest::renameWithoutNoReplace_data()
{
    QTest::addColumn<int>("error");
    QTest::addColumn<bool>("nameTakenMeanwhile");
    QTest::newRow("NFS: EINVAL") << EINVAL << false;
    QTest::newRow("old kernel: ENOSYS") << ENOSYS << false;
    QTest::newRow("an empty folder takes the name first") << EINVAL << true;
}

void DiscMasterTest::renameWithoutNoReplace()
{
    QFETCH(int, error);
    QFETCH(bool, nameTakenMeanwhile);
    const SavedDisc saved;
    FileSystemCalls calls;
    calls.renameNoReplace = [&](const char*, const char* to) {
        if (nameTakenMeanwhile)
            ::mkdir(to, 0777);
        errno = error;
        return -1;
    };
    const ImageResult result = WriteDdpImage(saved.disc, saved.image(), {}, calls);
    QCOMPARE(result.failure, nameTakenMeanwhile ? std::optional(ImageFailure{ImageFailure::Kind::FolderExists}) : std::nullopt);
    QCOMPARE(namesIn(saved.dir / "out"), std::vector<std::string>{"DISC 1"});
    QCOMPARE(namesIn(saved.dir / "out" / "DISC 1").size(), nameTakenMeanwhile ? 0u : 6u);
}

void DiscMasterTest::leftStagingFolders_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("older");     // last changed before this program started
    QTest::addColumn<bool>("locked");    // its export still runs
    QTest::addColumn<QString>("holds");  // the file inside it
    QTest::addColumn<bool>("removed");
    const QString staging = QStringLiteral(".DISC 0.sonvelle-0123abcd");
    QTest::newRow("left by a killed export") << staging << true << false << "IMAGE.DAT" << true;
    QTest::newRow("export still running") << staging << true << true << "IMAGE.DAT" << false;
    QTest::newRow("made since the program started") << staging << false << false << "IMAGE.DAT" << false;
    QTest::newRow("holding another file") << staging << true << false << "notes.txt" << false;
    QTest::newRow("a hidden folder of the user's") << ".DISC 0.0123abcd" << true << false << "IMAGE.DAT" << false;
}

void DiscMasterTest::leftStagingFolders()
{
    QFETCH(QString, name);
    QFETCH(bool, older);
    QFETCH(bool, locked);
    QFETCH(QString, holds);
    QFETCH(bool, removed);
    const SavedDisc saved;
    const fs::path left = saved.dir / "out" / name.toStdString();
    fs::create_directory(left);
    testsupport::writeFile(left / holds.toStdString(), {1, 2, 3});
    const int fd = ::open(left.c_str(), O_RDONLY | O_DIRECTORY);
    const struct timespec dayAgo[2] = {{::time(nullptr) - 86400, 0}, {::time(nullptr) - 86400, 0}};
    QVERIFY(fd >= 0 && (!older || ::futimens(fd, dayAgo) == 0) && (!locked || ::flock(fd, LOCK_EX) == 0));
    const ImageResult result = WriteDdpImage(saved.disc, saved.image(), {});
    ::close(fd);
    QVERIFY(!result.failure);
    QCOMPARE(fs::exists(left), !removed);
}

void DiscMasterTest::pqSheetPrintsTheTracks()
{
    const SavedDisc saved;
    const PqSheet sheet = BuildPqSheet(saved.disc, QStringLiteral("0123456789abcdef0123456789abcdef"),
                                       QDate(2026, 12, 9));
    const fs::path pdf = saved.dir / "out" / "DISC 1_PQ.pdf";
    const QByteArray bytes = PqSheetPdf(sheet);
    testsupport::writeFile(pdf, std::vector<uint8_t>(bytes.begin(), bytes.end()));
    const auto text = run({QStringLiteral("pdftotext"), QStringLiteral("-layout"), qpath(pdf), QStringLiteral("-")});
    QVERIFY(text);
    QStringList lines;
    for (const QString& line : QString::fromUtf8(*text).split(u'\n'))
        lines.append(line.simplified());
    for (const char* expected : {"01 00:02:00 00:04:01 00:02:00 夜明けの歌 山田",
                                 "02 00:06:01 00:04:10 00:00:00 JPA1F2600001 Second 山田",
                                 "03 00:10:11 00:04:05 00:00:00 JPA1F2600002 三曲目 山田", "ﾘｰﾄﾞｱｳﾄ 00:14:16",
                                 "ﾀｲﾄﾙ はじめてのCD", "ｶﾀﾛｸﾞ番号(UPC/JAN) 4901234567894", "合計時間 00:12:16",
                                 "IMAGE.DATのMD5 0123456789abcdef0123456789abcdef", "日付 2026-12-09"})
        QVERIFY2(lines.contains(QString::fromUtf8(expected)), expected);
}

SONVELLE_QTEST_MAIN(DiscMasterTest)
#include "test_disc_master.moc"
