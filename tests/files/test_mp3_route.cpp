// MP3 files through the open workflow with the real decoder library: the
// decode directory, the dialog fMP3Decode, the decoded file joining the
// list, Cancel, every failure ending in its message without leaving a
// partial WAV file behind, long names, and what killed decodes leave.
#include "DecodeDirectory.h"
#include "FakeDirectories.h"
#include "FakePrompts.h"
#include "OpenWorkflow.h"
#include "QtTestEnvironment.h"
#include "Vbmp3Library.h"
#include "decode_temporary_file.h"
#include "mp3_encoder.h"
#include "play_list.h"
#include "temp_dir.h"
#include "wav_builder.h"

#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QTimer>

#include <csignal>
#include <filesystem>
#include <optional>
#include <sys/resource.h>

using namespace testsupport;

namespace {

QString qpath(const std::filesystem::path& path)
{
    return QString::fromStdString(path.string());
}

QStringList namesIn(const std::filesystem::path& folder)
{
    QStringList names;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        names << QString::fromStdString(entry.path().filename().string());
    names.sort();
    return names;
}

// Every fMP3Decode dialog that shows: its texts, and Cancel pressed when
// asked to.
struct DecodeDialogs : QObject {
    explicit DecodeDialogs(bool pressCancel = false)
    {
        connect(&poll, &QTimer::timeout, this, [this, pressCancel] {
            QWidget* dialog = nullptr;
            for (QWidget* widget : QApplication::topLevelWidgets()) {
                if (widget->objectName() == u"fMP3Decode" && widget->isVisible())
                    dialog = widget;
            }
            if (dialog == nullptr || dialog == last)
                return;
            last = dialog;
            shown << QStringList({dialog->windowTitle(), dialog->findChild<QLabel*>("Label1")->text(),
                                  dialog->findChild<QLabel*>("Label2")->text(),
                                  dialog->findChild<QPushButton*>("Command1")->text(),
                                  QString::number(dialog->findChild<QTimer*>("Timer1")->interval())});
            if (pressCancel)
                dialog->findChild<QPushButton*>("Command1")->click();
        });
        poll.start(1);
    }

    QTimer poll;
    QWidget* last = nullptr;
    QList<QStringList> shown;
};

struct Opening {
    explicit Opening(QStringList decoderFiles = Vbmp3Library::DefaultFiles())
        : open(list, prompts, settings, directory, std::move(decoderFiles), [](const ListChange&) {}, nullptr)
    {
    }

    // Makes the folder "decoded" and chooses it as the decode folder, with
    // the prompts it took forgotten.
    std::filesystem::path chooseDecodeFolder()
    {
        const auto decoded = folder / "decoded";
        std::filesystem::create_directory(decoded);
        directories.answers << qpath(decoded);
        directory.EnsureChosen(nullptr);
        prompts.messages.clear();
        return decoded;
    }

    QStringList titles() const
    {
        QStringList result;
        for (int i = 1; i <= list.TrackCount(); ++i)
            result << list.TrackAt(i).title;
        return result;
    }

    TempDir folder;
    PlayList list;
    FakePrompts prompts;
    FakeDirectories directories;
    Settings settings;
    DecodeDirectory directory{prompts, directories};
    OpenWorkflow open;
};

}  // namespace

class TestMp3Route : public QObject {
    Q_OBJECT
private slots:
    void decodesIntoTheDirectoryAskedFor();
    void cancelKeepsTheEarlierFileAndStopsTheBatch();
    void failuresEndInTheirMessage_data();
    void failuresEndInTheirMessage();
    void tooLongForTheEngineIsRefusedBeforeDecoding();
    void directoryRemovedDuringDecodeStopsTheBatch();
    void longNamesAndLeftoversOfKilledDecodes_data();
    void longNamesAndLeftoversOfKilledDecodes();
};

void TestMp3Route::decodesIntoTheDirectoryAskedFor()
{
    Opening opening;
    const auto decoded = opening.folder / "decoded";
    std::filesystem::create_directory(decoded);
    const size_t frames = 44100 + 17;
    writeMp3(opening.folder / "song.mp3", mp3Signal(frames, 2));
    const QString mp3 = qpath(opening.folder / "song.mp3");
    DecodeDialogs dialogs;

    // No directory yet: asked for; cancelling the chooser opens nothing.
    opening.open.OpenFiles({mp3});
    QCOMPARE(opening.prompts.messages.size(), 1);
    QCOMPARE(opening.prompts.messages[0].text, DecodeDirectory::setFirstMessage());
    QCOMPARE(opening.list.TrackCount(), 0);
    QVERIFY(dialogs.shown.isEmpty());

    opening.directories.answers << qpath(decoded);
    opening.open.OpenFiles({mp3});
    const QString wav = qpath(decoded / "song.wav");
    QCOMPARE(opening.titles(), QStringList({"song.wav"}));
    QCOMPARE(opening.list.TrackAt(1).path, wav);
    QCOMPARE(opening.list.TrackAt(1).record.dataBytes, int32_t(frames * 4));
    QCOMPARE(namesIn(decoded), QStringList({"song.wav"}));
    QCOMPARE(dialogs.shown, QList<QStringList>({{"MP3ﾌｧｲﾙをﾃﾞｺｰﾄﾞしています", "\"song.mp3\"をﾃﾞｺｰﾄﾞしています",
                                                 "ﾃﾞｺｰﾄﾞ先 : " + wav, "Cancel", "1000"}}));

    // The same MP3 again: refused before any decoding.
    opening.open.OpenFiles({mp3});
    QCOMPARE(opening.prompts.messages.size(), 3);
    QCOMPARE(opening.prompts.messages[2].text, QStringLiteral("選択したﾌｧｲﾙ\"song.mp3\"は、\r\n既に開かれています"));
    QCOMPARE(opening.prompts.messages[2].caption, QStringLiteral("ﾌｧｲﾙ読み込みｴﾗｰ"));
    QCOMPARE(dialogs.shown.size(), 1);
    QCOMPARE(opening.list.TrackCount(), 1);
}

void TestMp3Route::cancelKeepsTheEarlierFileAndStopsTheBatch()
{
    Opening opening;
    writeMp3(opening.folder / "long.mp3", mp3Signal(44100 * 60, 2));
    const auto decoded = opening.folder / "decoded";
    std::filesystem::create_directory(decoded);
    const std::vector<uint8_t> earlier = makeWav(silenceLoudSilence(10, 10, 10));
    writeFile(decoded / "long.wav", earlier);
    writeFile(opening.folder / "next.wav", makeWav(silenceLoudSilence(4410, 4410, 4410)));
    opening.directories.answers << qpath(decoded);
    DecodeDialogs dialogs(true);

    opening.open.OpenFiles({qpath(opening.folder / "long.mp3"), qpath(opening.folder / "next.wav")});
    QCOMPARE(dialogs.shown.size(), 1);
    QCOMPARE(opening.open.CancelFlag(), int32_t(ENGINE_CANCELLED));
    QCOMPARE(opening.list.TrackCount(), 0);
    QCOMPARE(namesIn(decoded), QStringList({"long.wav"}));
    QVERIFY(readFile(decoded / "long.wav") == earlier);
}

void TestMp3Route::failuresEndInTheirMessage_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("trouble");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("caption");
    const QString title = QStringLiteral("CD-R簡単編集\"Sonvelle\"");
    // What holds no MPEG audio never reaches the decoder, whatever its name.
    const QString notAudio = QStringLiteral("は、\r\n音声ﾌｧｲﾙとして読み込めません");
    const QString refused = QStringLiteral("ﾌｧｲﾙ読み込みｴﾗｰ");
    QTest::newRow("zero length") << "empty.mp3" << "" << notAudio << refused;
    QTest::newRow("text named .mp3") << "text.mp3" << "" << notAudio << refused;
    QTest::newRow("Ogg named .mp3") << "song.ogg.mp3" << "" << notAudio << refused;
    QTest::newRow("missing file") << "missing.mp3" << "" << notAudio << refused;
    QTest::newRow("directory vanished") << "song.mp3" << "vanished" << "Decode Error" << title;
    QTest::newRow("disk full") << "song.mp3" << "full" << "ﾃﾞｨｽｸ空き容量が不足しています" << title;
    QTest::newRow("no library") << "song.mp3" << "no library" << "/nonexistent/libvbmp3.so" << title;
}

void TestMp3Route::failuresEndInTheirMessage()
{
    QFETCH(QString, file);
    QFETCH(QString, trouble);
    QFETCH(QString, message);
    QFETCH(QString, caption);
    Opening opening(trouble == u"no library" ? QStringList({QStringLiteral("/nonexistent/libvbmp3.so")})
                                             : Vbmp3Library::DefaultFiles());
    writeFile(opening.folder / "empty.mp3", {});
    writeFile(opening.folder / "text.mp3", std::vector<uint8_t>(5000, 'x'));
    QCOMPARE(QProcess::execute("sox", {"-n", "-t", "ogg", qpath(opening.folder / "song.ogg.mp3"), "synth", "1", "sine", "440"}), 0);
    writeMp3(opening.folder / "song.mp3", mp3Signal(44100 * 5, 2));
    const auto decoded = opening.chooseDecodeFolder();
    if (trouble == u"vanished")
        std::filesystem::remove(decoded);

    // As on a full disk, no file may grow beyond 100 kB.
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit saved{};
    getrlimit(RLIMIT_FSIZE, &saved);
    rlimit limit = saved;
    if (trouble == u"full")
        limit.rlim_cur = 100000;
    setrlimit(RLIMIT_FSIZE, &limit);
    opening.open.OpenFiles({qpath(opening.folder / file.toStdString())});
    setrlimit(RLIMIT_FSIZE, &saved);

    QCOMPARE(opening.prompts.messages.size(), 1);
    QVERIFY2(opening.prompts.messages[0].text.contains(message), qPrintable(opening.prompts.messages[0].text));
    QCOMPARE(opening.prompts.messages[0].caption, caption);
    QCOMPARE(opening.list.TrackCount(), 0);
    if (std::filesystem::exists(decoded))
        QCOMPARE(namesIn(decoded), QStringList());
}

// An MP3 file of 3 h 24 min, the most compact kind: MPEG-2.5 layer III
// frames of 8 kbit/s mono at 8 kHz, each 72 bytes of silence. Decoded it
// would pass the 2 GiB of data a track can hold.
void TestMp3Route::tooLongForTheEngineIsRefusedBeforeDecoding()
{
    Opening opening;
    std::vector<uint8_t> frame{0xFF, 0xE3, 0x18, 0xC0};
    frame.resize(72);
    std::vector<uint8_t> mp3;
    for (int i = 0; i < 170000; ++i)
        mp3.insert(mp3.end(), frame.begin(), frame.end());
    writeFile(opening.folder / "long.mp3", mp3);
    const auto decoded = opening.chooseDecodeFolder();
    DecodeDialogs dialogs;

    opening.open.OpenFiles({qpath(opening.folder / "long.mp3")});
    QCOMPARE(opening.prompts.messages.size(), 1);
    QCOMPARE(opening.prompts.messages[0].text,
             QStringLiteral("選択したﾌｧｲﾙ\"long.mp3\"は、\r\n44.1kHz,16bitsﾌｫｰﾏｯﾄではありません"));
    QVERIFY(dialogs.shown.isEmpty());
    QCOMPARE(namesIn(decoded), QStringList());
}

void TestMp3Route::directoryRemovedDuringDecodeStopsTheBatch()
{
    Opening opening;
    writeMp3(opening.folder / "long.mp3", mp3Signal(44100 * 60, 2));
    writeFile(opening.folder / "next.wav", makeWav(silenceLoudSilence(4410, 4410, 4410)));
    const auto decoded = opening.chooseDecodeFolder();

    // The directory goes, with the decoder's unfinished output in it, as
    // soon as the dialog shows.
    QTimer remover;
    connect(&remover, &QTimer::timeout, [&] {
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            if (widget->objectName() == u"fMP3Decode" && widget->isVisible() && std::filesystem::exists(decoded)) {
                QVERIFY(!std::filesystem::is_empty(decoded));
                std::filesystem::remove_all(decoded);
            }
        }
    });
    remover.start(1);

    opening.open.OpenFiles({qpath(opening.folder / "long.mp3"), qpath(opening.folder / "next.wav")});
    QVERIFY(!std::filesystem::exists(decoded));
    QCOMPARE(opening.prompts.messages.size(), 1);
    QCOMPARE(opening.prompts.messages[0].text, QStringLiteral("ﾃﾞｨｽｸ空き容量が不足しています"));
    QCOMPARE(opening.prompts.messages[0].caption, QStringLiteral("CD-R簡単編集\"Sonvelle\""));
    QCOMPARE(opening.open.CancelFlag(), int32_t(ENGINE_CANCELLED));
    QCOMPARE(opening.list.TrackCount(), 0);
    QCOMPARE(namesIn(opening.folder.path()), QStringList({"long.mp3", "next.wav"}));
}

void TestMp3Route::longNamesAndLeftoversOfKilledDecodes_data()
{
    QTest::addColumn<QString>("stem");
    QTest::addColumn<QString>("before");  // what another writer left in the decode directory
    // 80 Japanese characters: 244 bytes in the WAV file's name, short of
    // the 255-byte limit that a temporary name built from it would pass.
    QTest::newRow("long name") << QString(80, QChar(0x3042)) << "";
    QTest::newRow("after a killed decode") << "song" << "killed";
    QTest::newRow("beside a decode still running") << "song" << "running";
}

void TestMp3Route::longNamesAndLeftoversOfKilledDecodes()
{
    QFETCH(QString, stem);
    QFETCH(QString, before);
    Opening opening;
    const auto decoded = opening.folder / "decoded";
    std::filesystem::create_directory(decoded);
    const std::string mp3 = (opening.folder / (stem + ".mp3").toStdString()).string();
    writeMp3(mp3, mp3Signal(44100, 2));
    opening.directories.answers << qpath(decoded);

    // A decode killed midway leaves its temporary file, no longer locked; a
    // running one keeps its lock.
    std::optional<DecodeTemporaryFile> running;
    QStringList expected{stem + ".wav"};
    if (before == u"killed") {
        QProcess decode;
        decode.start(QStringLiteral(KILLED_DECODE), {qpath(decoded)});
        QVERIFY(decode.waitForFinished());
        QCOMPARE(decode.exitStatus(), QProcess::CrashExit);
        QCOMPARE(namesIn(decoded).size(), 1);
    } else if (before == u"running") {
        running = DecodeTemporaryFile::create(decoded.string());
        expected << QString::fromStdString(std::filesystem::path(running->path()).filename().string());
        expected.sort();
    }

    opening.open.OpenFiles({QString::fromStdString(mp3)});
    QCOMPARE(opening.titles(), QStringList({stem + ".wav"}));
    QCOMPARE(namesIn(decoded), expected);
}

SONVELLE_QTEST_MAIN(TestMp3Route)
#include "test_mp3_route.moc"
