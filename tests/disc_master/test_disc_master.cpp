// The plant master: an image of three saved tracks read back field by field
// by the test's own reader, the samples cut out at the PQ times, the
// checksums through md5sum and the CD-TEXT through cdrskin; failures and a
// cancel that leave no folder behind; the PQ sheet read back by pdftotext.
#include "QtTestEnvironment.h"
#include "cd_text_packs.h"
#include "cp932.h"
#include "ddp_reader.h"
#include "file_size_limit.h"
#include "image_writer.h"
#include "pq_sheet.h"
#include "pq_sheet_pdf.h"
#include "temp_dir.h"
#include "wav_builder.h"

#include <QProcess>

#include <pwd.h>
#include <unistd.h>

#include <filesystem>

using ddpreader::Fields;
namespace fs = std::filesystem;

namespace {

constexpr qint64 Frame = 2352;
constexpr qint64 WavHeader = 44;

QByteArray spaces(int count)
{
    return QByteArray(count, ' ');
}

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

}  // namespace

Q_DECLARE_METATYPE(ImageFailure)

class DiscMasterTest : public QObject {
    Q_OBJECT
private slots:
    void imageHoldsTheSavedTracksAsTheFormatDescribes_data();
    void imageHoldsTheSavedTracksAsTheFormatDescribes();
    void failuresAndCancelLeaveNoFolder_data();
    void failuresAndCancelLeaveNoFolder();
    void pqSheetPrintsTheTracks();
};

void DiscMasterTest::imageHoldsTheSavedTracksAsTheFormatDescribes_data()
{
    QTest::addColumn<bool>("otherFileSystem");
    QTest::newRow("copied inside the kernel") << false;
    // The kernel copies from a memory file system to a disk one only
    // through the buffer.
    QTest::newRow("tracks on another file system") << true;
}

void DiscMasterTest::imageHoldsTheSavedTracksAsTheFormatDescribes()
{
    QFETCH(bool, otherFileSystem);
    QTemporaryDir memory(QStringLiteral("/dev/shm/sonvelle-test-XXXXXX"));
    if (otherFileSystem && !memory.isValid())
        QSKIP("no /dev/shm");
    const SavedDisc saved(otherFileSystem ? std::optional(fs::path(memory.path().toStdString()) / "tracks")
                                          : std::nullopt);
    const ImageResult result = WriteDdpImage(saved.disc, saved.image(), [](int) { return true; });
    QVERIFY(!result.failure);
    const fs::path image = saved.dir / "out" / "DISC 1";
    // Frames: 301 (7 samples over 300), 310, 305, after the 150 of the pre-gap.
    const QByteArray pqFile = readAll(image / "PQDESCR");
    QList<Fields> expectedPq;
    const auto pqEntry = [](const char* track, const char* index, const char* msf, const char* isrc) {
        return Fields{{"marker", "VVVS"}, {"track", track}, {"index", index}, {"hours", spaces(2)}, {"msf", msf},
                      {"control", "01"}, {"reserved", spaces(2)}, {"isrc", QByteArray(isrc).leftJustified(12)},
                      {"upc", spaces(13)}, {"text", spaces(19)}, {"(length)", "0"}};
    };
    expectedPq << pqEntry("00", "00", "000000", "") << pqEntry("01", "00", "000000", "")
               << pqEntry("01", "01", "000200", "") << pqEntry("02", "01", "000601", "JPA1F2600001")
               << pqEntry("03", "01", "001011", "JPA1F2600002") << pqEntry("AA", "01", "001416", "")
               << pqEntry("AA", "01", "001416", "");
    QCOMPARE(ddpreader::pqPackets(pqFile), expectedPq);

    const QByteArray imageData = readAll(image / "IMAGE.DAT");
    const auto mapPacket = [](const char* type, qint64 length, const char* subcode, const char* mode,
                              const char* storage, const char* scrambled, const char* preGap, const char* name) {
        return Fields{{"marker", "VVVM"}, {"type", type}, {"pointer", spaces(8)},
                      {"length", QByteArray::number(length).rightJustified(8, '0')}, {"start", "00000000"},
                      {"subcode", subcode}, {"mode", mode}, {"storage", storage}, {"scrambled", scrambled},
                      {"preGap1", preGap[0] == ' ' ? spaces(4) : QByteArray("0000")}, {"preGap2", preGap},
                      {"postGap", spaces(4)}, {"media", " "}, {"track", spaces(2)}, {"index", spaces(2)},
                      {"isrc", spaces(12)}, {"nameLength", "017"}, {"name", QByteArray(name).leftJustified(17)},
                      {"reserved1", " "}, {"nextPreGap", spaces(4)}, {"pause", spaces(8)}, {"offset", spaces(9)},
                      {"reserved2", spaces(15)}, {"(length)", "0"}};
    };
    const QList<Fields> expectedMap{
        mapPacket("D0", 150 + 301 + 310 + 305, spaces(8), "DA", "7", "0", "0150", "IMAGE.DAT"),
        mapPacket("S0", pqFile.size(), "PQ DESCR", "  ", " ", " ", "    ", "PQDESCR"),
        mapPacket("S0", saved.disc.cdTextPacks.size(), "CDTEXT  ", "  ", " ", " ", "    ", "CDTEXT.BIN")};
    QCOMPARE(ddpreader::mapPackets(readAll(image / "DDPMS")), expectedMap);
    QCOMPARE(imageData.size(), (150 + 301 + 310 + 305) * Frame);

    const Fields expectedId{{"level", "DDP 2.00"}, {"upc", "4901234567894"}, {"mapStart", spaces(8)},
                            {"reserved", spaces(8)}, {"media", " "}, {"masterId", QByteArray("DISC 1").leftJustified(48)},
                            {"book", " "}, {"type", "CD"}, {"sides", spaces(4)}, {"userTextLength", spaces(2)},
                            {"userText", spaces(33)}, {"(length)", "0"}};
    QCOMPARE(ddpreader::idFields(readAll(image / "DDPID")), expectedId);

    // Each track cut out at its index 01 time, its padding silent, the
    // pre-gap silent.
    QByteArray expectedImage(150 * Frame, '\0');
    for (const QByteArray& track : saved.data)
        expectedImage += track + QByteArray((Frame - track.size() % Frame) % Frame, '\0');
    for (const Fields& entry : ddpreader::pqPackets(pqFile)) {
        const int track = entry["track"].toInt();
        if (entry["index"] == "01" && track >= 1 && track <= 3) {
            const QByteArray& data = saved.data[track - 1];
            QVERIFY(imageData.mid(ddpreader::frameOf(entry["msf"]) * Frame, data.size()) == data);
        }
    }
    QVERIFY(imageData == expectedImage);
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
    }
    const auto progress = [fault](int percent) { return fault != 1 || percent < 50; };
    const ImageResult result = WriteDdpImage(disc, saved.image(), progress);
    fullDisk.reset();
    QCOMPARE(result.failure, failure);
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(saved.dir / "out"))
        names.push_back(entry.path().filename().string());
    QCOMPARE(names, leftInFolder);
    if (fault == 5)
        QCOMPARE(fs::directory_iterator(saved.dir / "out" / "DISC 1")->path().filename(), "mine");
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
