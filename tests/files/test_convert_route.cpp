// The conversion route through the open workflow, on real files: which
// files take it, the decode directory, the dialog fFileConvert, Cancel, the
// numbered names, the messages about a mix-down and clipped samples, and
// the refusals that name the file and its fault.
#include "DecodeDirectory.h"
#include "FakeDirectories.h"
#include "FakePrompts.h"
#include "OpenWorkflow.h"
#include "ProgramTitle.h"
#include "QtTestEnvironment.h"
#include "play_list.h"
#include "temp_dir.h"
#include "wav_builder.h"

#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>

#include <algorithm>
#include <cstdlib>

using namespace testsupport;

namespace {

QString pathIn(const TempDir& folder, const char* name)
{
    return QString::fromStdString((folder / name).string());
}

// Makes a file with sox: format options, then the effects that make sound.
QString soxFile(const TempDir& folder, const char* name, const char* format, const char* effects)
{
    const QString path = pathIn(folder, name);
    const QByteArray command = QByteArray("sox -n ") + format + " '" + QFile::encodeName(path) + "' " + effects;
    if (std::system(command.constData()) != 0)
        qFatal("could not run: %s", command.constData());
    return path;
}

// A canonical track whose data follows a LIST chunk: the engine refuses it.
QString listedTrack(const TempDir& folder, const char* name)
{
    writeFile(folder / name, makeWav(silenceLoudSilence(4410, 4410, 4410), {.listBeforeData = true}));
    return pathIn(folder, name);
}

QStringList titles(const PlayList& list)
{
    QStringList result;
    for (int i = 1; i <= list.TrackCount(); ++i)
        result << list.TrackAt(i).title;
    return result;
}

QStringList filesIn(const TempDir& folder)
{
    return QDir(QString::fromStdString(folder.path().string())).entryList(QDir::Files | QDir::Hidden);
}

// What fFileConvert showed while it ran, read by a zero timer; with
// pressCancel its Cancel button is clicked once the conversion runs.
struct ConvertDialogSeen {
    QString caption, line, cancel;
    bool modal = false;
    int maximum = 0;
};

void watchConvertDialog(ConvertDialogSeen& seen, bool pressCancel)
{
    auto* poll = new QTimer;
    QObject::connect(poll, &QTimer::timeout, [poll, &seen, pressCancel] {
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            if (widget->objectName() != u"fFileConvert" || !widget->isVisible() ||
                widget->findChild<QTimer*>(QStringLiteral("Timer1"))->isActive())
                continue;
            seen = {widget->windowTitle(), widget->findChild<QLabel*>(QStringLiteral("Label1"))->text(),
                    widget->findChild<QPushButton*>(QStringLiteral("Command1"))->text(), widget->isModal(),
                    widget->findChild<QProgressBar*>(QStringLiteral("ProgressBar1"))->maximum()};
            if (pressCancel)
                widget->findChild<QPushButton*>(QStringLiteral("Command1"))->click();
            poll->stop();
            poll->deleteLater();
        }
    });
    poll->start(0);
}

}  // namespace

class TestConvertRoute : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void convertsRefusedAndOtherFilesIntoTheDecodeDirectory();
    void withoutADecodeDirectoryNothingIsConverted();
    void cancelLeavesNothingAndStopsTheBatch();
    void clippedSamplesAreReportedOnceTheFileIsAdded();
    void aSourceInTheDecodeDirectoryGetsANumberedName();
    void refusalsNameTheFileAndTheBatchGoesOn_data();
    void refusalsNameTheFileAndTheBatchGoesOn();

private:
    void chooseDecodeDirectory(const TempDir& folder);

    std::unique_ptr<TempDir> m_sources;
    std::unique_ptr<TempDir> m_decoded;
    std::unique_ptr<PlayList> m_list;
    FakePrompts m_prompts;
    FakeDirectories m_directories;
    Settings m_settings;
    std::unique_ptr<DecodeDirectory> m_directory;
    std::unique_ptr<OpenWorkflow> m_open;
};

void TestConvertRoute::init()
{
    m_sources = std::make_unique<TempDir>();
    m_decoded = std::make_unique<TempDir>();
    m_list = std::make_unique<PlayList>();
    m_prompts = FakePrompts();
    m_directories = FakeDirectories();
    m_directory = std::make_unique<DecodeDirectory>(m_prompts, m_directories);
    m_open = std::make_unique<OpenWorkflow>(*m_list, m_prompts, m_settings, *m_directory, QStringList(),
                                            [](const ListChange&) {}, nullptr);
    m_open->EnableConversion(*m_directory);
}

void TestConvertRoute::cleanup()
{
    m_open.reset();
    m_directory.reset();
    m_list.reset();
    m_decoded.reset();
    m_sources.reset();
}

void TestConvertRoute::chooseDecodeDirectory(const TempDir& folder)
{
    m_directories.answers << QString::fromStdString(folder.path().string());
}

void TestConvertRoute::convertsRefusedAndOtherFilesIntoTheDecodeDirectory()
{
    writeFile(m_sources->path() / "mono.wav", makeWav(silenceLoudSilence(4410, 4410, 4410), {.channels = 1}));
    const QStringList paths = {
        listedTrack(*m_sources, "listed.wav"),
        soxFile(*m_sources, "song.FLAC", "-r 48000 -b 24 -c 2", "synth 0.5 sine 440 vol 0.5"),
        soxFile(*m_sources, "surround.wav", "-r 48000 -b 16 -c 6", "synth 0.2 sine 440 vol 0.5"),
        pathIn(*m_sources, "mono.wav"),
        soxFile(*m_sources, "take.aif", "-r 44100 -b 24 -c 1", "synth 0.5 sine 440 vol 0.5"),
    };
    chooseDecodeDirectory(*m_decoded);
    m_open->OpenFiles(paths);

    QCOMPARE(titles(*m_list), QStringList({"listed.wav", "song.wav", "surround.wav", "mono.wav", "take.wav"}));
    QCOMPARE(m_list->TrackAt(2).path, pathIn(*m_decoded, "song.wav"));
    QCOMPARE(m_list->TrackAt(2).record.dataBytes, 22050 * 4);
    QCOMPARE(filesIn(*m_decoded), QStringList({"listed.wav", "mono.wav", "song.wav", "surround.wav", "take.wav"}));
    // Asked for the directory once, before the first conversion; told that
    // the surround file was mixed down once it joined the list.
    QCOMPARE(m_prompts.messages.size(), 2);
    QCOMPARE(m_prompts.messages[0].text, DecodeDirectory::setFirstMessage(DecodeDirectory::Purpose::Convert));
    QCOMPARE(m_prompts.messages[1].text,
             QStringLiteral("選択したﾌｧｲﾙ\"surround.wav\"は、\r\n6ﾁｬﾝﾈﾙからｽﾃﾚｵにﾐｯｸｽﾀﾞｳﾝしました"));
    QCOMPARE(m_prompts.messages[1].caption, ProgramTitle());
    QCOMPARE(m_open->CancelFlag(), int32_t(ENGINE_SUCCESS));
}

void TestConvertRoute::withoutADecodeDirectoryNothingIsConverted()
{
    const QString good = pathIn(*m_sources, "good.wav");
    writeFile(good.toStdString(), makeWav(silenceLoudSilence(4410, 4410, 4410)));
    m_open->OpenFiles({listedTrack(*m_sources, "listed.wav"), good});

    QCOMPARE(titles(*m_list), QStringList({"good.wav"}));
    QCOMPARE(m_prompts.messages.size(), 1);
    QCOMPARE(m_prompts.messages[0].text, DecodeDirectory::setFirstMessage(DecodeDirectory::Purpose::Convert));
    QCOMPARE(filesIn(*m_sources), QStringList({"good.wav", "listed.wav"}));
}

void TestConvertRoute::cancelLeavesNothingAndStopsTheBatch()
{
    const QString longSong = soxFile(*m_sources, "long.ogg", "-r 48000 -c 2", "synth 20 sine 440 vol 0.5");
    chooseDecodeDirectory(*m_decoded);
    ConvertDialogSeen seen;
    watchConvertDialog(seen, true);
    m_open->OpenFiles({longSong, listedTrack(*m_sources, "next.wav")});

    QCOMPARE(seen.caption, QStringLiteral("ﾌｧｲﾙを変換しています"));
    QCOMPARE(seen.line, QStringLiteral("\"long.ogg\"を変換しています"));
    QCOMPARE(seen.cancel, QStringLiteral("Cancel"));
    QVERIFY(seen.modal);
    QCOMPARE(seen.maximum, 100);
    QCOMPARE(m_open->CancelFlag(), int32_t(ENGINE_CANCELLED));
    QCOMPARE(m_list->TrackCount(), 0);
    QVERIFY(filesIn(*m_decoded).isEmpty());
    QCOMPARE(m_prompts.messages.size(), 1);  // only the request for the directory
}

void TestConvertRoute::clippedSamplesAreReportedOnceTheFileIsAdded()
{
    // 44.1 kHz float with three samples beyond full scale, which sox cannot
    // write.
    const QString hot = pathIn(*m_sources, "hot.wav");
    std::vector<float> samples(8820, 0.5f);
    samples[100] = samples[101] = 1.25f;
    samples[5000] = -3.0f;
    writeFile(hot.toStdString(), makeWav(floatWords(samples), {.formatTag = 3, .bitsPerSample = 32}));
    chooseDecodeDirectory(*m_decoded);
    m_open->OpenFiles({hot});

    QCOMPARE(titles(*m_list), QStringList({"hot.wav"}));
    QCOMPARE(m_prompts.messages.size(), 2);
    QCOMPARE(m_prompts.messages[1].text, QStringLiteral("選択したﾌｧｲﾙ\"hot.wav\"は、\r\n3個のｻﾝﾌﾟﾙがｸﾘｯﾌﾟされました"));
    QCOMPARE(m_prompts.messages[1].caption, ProgramTitle());
    QCOMPARE(m_prompts.messages[1].buttons, Prompts::Buttons::Ok);
}

void TestConvertRoute::aSourceInTheDecodeDirectoryGetsANumberedName()
{
    const QString listed = listedTrack(*m_sources, "listed.wav");
    chooseDecodeDirectory(*m_sources);
    m_open->OpenFiles({listed});
    m_open->OpenFiles({listed});

    QCOMPARE(titles(*m_list), QStringList({"listed (2).wav"}));
    QCOMPARE(m_prompts.messages.last().text, QStringLiteral("選択したﾌｧｲﾙ\"listed.wav\"は、\r\n既に開かれています"));
    QCOMPARE(readFile(m_sources->path() / "listed (2).wav"),
             makeWav(silenceLoudSilence(4410, 4410, 4410)));
}

void TestConvertRoute::refusalsNameTheFileAndTheBatchGoesOn_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("reason");
    QTest::newRow("no audio") << "silent.mp4" << "音声が入っていません";
    QTest::newRow("protected") << "protected.m4a" << "著作権保護(DRM)されているため変換できません";
    QTest::newRow("damaged") << "damaged.flac" << "0分02秒の所から先が読み込めません";
    QTest::newRow("rate") << "1Hz.wav" << "ｻﾝﾌﾟﾘﾝｸﾞ周波数1Hzは変換できません(8000～768000Hz)";
    QTest::newRow("not audio") << "notes.opus" << "音声ﾌｧｲﾙとして読み込めません";
}

void TestConvertRoute::refusalsNameTheFileAndTheBatchGoesOn()
{
    QFETCH(QString, file);
    QFETCH(QString, reason);
    const QString path = pathIn(*m_sources, file.toUtf8().constData());
    const QByteArray source = QFile::encodeName(pathIn(*m_sources, "noise.wav"));
    writeFile(source.toStdString(), makeWav(noise(5 * 44100 * 2)));
    const QByteArray ffmpeg = "ffmpeg -v error -y ";
    const QByteArray made = file == u"silent.mp4"      ? ffmpeg + "-f lavfi -i testsrc=d=1:s=64x48 "
                            : file == u"protected.m4a" ? ffmpeg + "-i '" + source + "' "
                            : file == u"damaged.flac"  ? ffmpeg + "-i '" + source + "' "
                                                       : QByteArray();
    std::vector<uint8_t> bytes;
    if (!made.isEmpty()) {
        QCOMPARE(std::system(made + '\'' + QFile::encodeName(path) + '\''), 0);
        bytes = readFile(path.toStdString());
    }
    if (file == u"protected.m4a")  // FairPlay's sample entry in place of the plain one
        std::copy_n("drms", 4, std::search(bytes.begin(), bytes.end(), std::begin("mp4a"), std::end("mp4a") - 1));
    if (file == u"damaged.flac")  // overwritten half way through the 5 s
        std::fill_n(bytes.begin() + long(bytes.size() / 2), 2000, uint8_t(0x5A));
    if (file == u"1Hz.wav")
        bytes = makeWav(noise(4000), {.sampleRate = 1});
    if (file == u"notes.opus")
        bytes = {'n', 'o', 't', 'e', 's'};
    writeFile(path.toStdString(), bytes);
    const QString good = pathIn(*m_sources, "good.wav");
    writeFile(good.toStdString(), makeWav(silenceLoudSilence(4410, 4410, 4410)));
    chooseDecodeDirectory(*m_decoded);
    m_directory->EnsureChosen(nullptr, DecodeDirectory::Purpose::Convert);
    m_prompts.messages.clear();

    m_open->OpenFiles({path, good});

    QCOMPARE(titles(*m_list), QStringList({"good.wav"}));
    QCOMPARE(m_prompts.messages.size(), 1);
    QCOMPARE(m_prompts.messages[0].text, "選択したﾌｧｲﾙ\"" + file + "\"は、\r\n" + reason);
    QCOMPARE(m_prompts.messages[0].caption, QStringLiteral("ﾌｧｲﾙ読み込みｴﾗｰ"));
    QVERIFY(filesIn(*m_decoded).isEmpty());
}

SONVELLE_QTEST_MAIN(TestConvertRoute)
#include "test_convert_route.moc"
