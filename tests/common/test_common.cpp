// The engine client on real files, the file dialog's filter form and the
// spin buttons shared by the dialogs.
#include "DialogPrompts.h"
#include "EngineClient.h"
#include "EngineRecord.h"
#include "QtTestEnvironment.h"
#include "SelectOnFocus.h"
#include "UpDown.h"
#include "temp_dir.h"
#include "wav_builder.h"

#include <QLineEdit>

using namespace testsupport;

class TestCommon : public QObject {
    Q_OBJECT
private slots:
    void engineRecordCarriesEncodedTexts();
    void analyseFillsTheNumbersOnly();
    void analyseFailureLeavesTheTrack_data();
    void analyseFailureLeavesTheTrack();
    void analyseWithoutPeakScan();
    void dialogFilter();
    void upDownSteps_data();
    void upDownSteps();
    void focusSelectsFirstCharacters();
};

void TestCommon::engineRecordCarriesEncodedTexts()
{
    Track track;
    track.title = QStringLiteral("曲ａ.wav");
    track.path = QStringLiteral("/tmp/ﾌｫﾙﾀﾞ/曲ａ.wav");
    track.record.levelPercent = 150;
    EngineRecord engineRecord(track);
    QCOMPARE(QString::fromUtf8(engineRecord.record()->title), track.title);
    QCOMPARE(QString::fromUtf8(engineRecord.record()->path), track.path);
    QCOMPARE(engineRecord.record()->levelPercent, 150);

    engineRecord.record()->levelPercent = 80;
    Track back;
    back.title = QStringLiteral("kept");
    engineRecord.copyNumbersTo(back);
    QCOMPARE(back.record.levelPercent, 80);
    QCOMPARE(back.title, QStringLiteral("kept"));
    QVERIFY(back.record.title == nullptr && back.record.path == nullptr);
}

void TestCommon::analyseFillsTheNumbersOnly()
{
    TempDir folder;
    const auto path = folder / "曲.wav";
    writeFile(path, makeWav(silenceLoudSilence(1000, 5000, 2000, 12345)));
    Track track;
    track.path = QString::fromStdString(path.string());
    track.title = QStringLiteral("曲.wav");
    track.record.color = 0x8080FF;
    QCOMPARE(engineclient::analyse(track, true, nullptr), int32_t(ENGINE_SUCCESS));
    QCOMPARE(track.record.dataBytes, 8000 * 4);
    QCOMPARE(track.record.preMuteBytes, 4000);
    QCOMPARE(track.record.postMuteBytes, 8000 + 4);  // the last loud frame starts the tail
    QCOMPARE(track.record.peakValue, 12345);
    QCOMPARE(track.record.levelPercent, 100);
    QCOMPARE(track.record.color, 0x8080FF);
    QVERIFY(track.record.title == nullptr && track.record.path == nullptr);
}

void TestCommon::analyseFailureLeavesTheTrack_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("result");
    QTest::newRow("missing file") << QByteArray() << int(ENGINE_OPEN_FAILED);
    const auto mono = makeWav(silenceLoudSilence(10, 100, 10), WavLayout{.channels = 1});
    QTest::newRow("mono") << QByteArray(reinterpret_cast<const char*>(mono.data()), mono.size())
                          << int(ENGINE_BAD_FORMAT);
    const auto silent = makeWav(silenceLoudSilence(100, 100, 100, 50));
    QTest::newRow("silence only") << QByteArray(reinterpret_cast<const char*>(silent.data()), silent.size())
                                  << int(ENGINE_SILENCE_ONLY);
}

void TestCommon::analyseFailureLeavesTheTrack()
{
    QFETCH(QByteArray, bytes);
    QFETCH(int, result);
    TempDir folder;
    const auto path = folder / "x.wav";
    if (!bytes.isEmpty())
        writeFile(path, std::vector<uint8_t>(bytes.begin(), bytes.end()));
    Track track;
    track.path = QString::fromStdString(path.string());
    track.record.levelPercent = 77;
    track.record.dataBytes = 1234;
    QCOMPARE(engineclient::analyse(track, true, nullptr), result);
    QCOMPARE(track.record.levelPercent, 77);
    QCOMPARE(track.record.dataBytes, 1234);
}

void TestCommon::analyseWithoutPeakScan()
{
    TempDir folder;
    const auto path = folder / "quiet.wav";
    writeFile(path, makeWav(silenceLoudSilence(100, 100, 100, 50)));
    Track track;
    track.path = QString::fromStdString(path.string());
    QCOMPARE(engineclient::analyse(track, false, nullptr), int32_t(ENGINE_SUCCESS));
    QCOMPARE(track.record.peakValue, 32767);
}

void TestCommon::dialogFilter()
{
    QCOMPARE(DialogPrompts::toDialogFilter(QStringLiteral("ｳｪｰﾌﾞﾌｧｲﾙ(*.wav)|*.wav")),
             QStringLiteral("ｳｪｰﾌﾞﾌｧｲﾙ(*.wav)"));
    QCOMPARE(DialogPrompts::toDialogFilter(QStringLiteral("ｳｪｰﾌﾞﾌｧｲﾙ(*.wav)|*.wav|MP3ﾌｧｲﾙ(*.mp3)|*.mp3")),
             QStringLiteral("ｳｪｰﾌﾞﾌｧｲﾙ(*.wav);;MP3ﾌｧｲﾙ(*.mp3)"));
    QCOMPARE(DialogPrompts::toDialogFilter(QStringLiteral("Wave|*.wav")), QStringLiteral("Wave (*.wav)"));
    QCOMPARE(DialogPrompts::toDialogFilter(QStringLiteral("FLAC,AIFF(*.flac;*.aiff)|*.flac;*.aiff|Other|*.a;*.b")),
             QStringLiteral("FLAC,AIFF(*.flac *.aiff);;Other (*.a *.b)"));
}

void TestCommon::upDownSteps_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("direction");
    QTest::addColumn<QString>("shown");
    QTest::newRow("up") << "100" << 1 << "101";
    QTest::newRow("down") << "100" << -1 << "99";
    QTest::newRow("stays at the top") << "1000" << 1 << "1000";
    QTest::newRow("stays at the bottom") << "0" << -1 << "0";
    QTest::newRow("typed beyond the range") << "2500" << -1 << "999";
    QTest::newRow("typed below the range") << "-20" << 1 << "1";
    QTest::newRow("not a number") << "abc" << 1 << "1";
    QTest::newRow("fraction") << "12.7" << 1 << "13";
}

void TestCommon::upDownSteps()
{
    QFETCH(QString, typed);
    QFETCH(int, direction);
    QFETCH(QString, shown);
    QLineEdit box(typed);
    UpDown upDown(&box, 0, 1000);
    upDown.step(direction);
    QCOMPARE(box.text(), shown);
}

void TestCommon::focusSelectsFirstCharacters()
{
    QWidget window;
    auto* other = new QLineEdit(&window);
    auto* box = new QLineEdit(QStringLiteral("123456"), &window);
    SelectOnFocus::install(box, 4);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    other->setFocus();
    box->setFocus();
    QTRY_COMPARE(box->selectedText(), QStringLiteral("1234"));
}

SONVELLE_QTEST_MAIN(TestCommon)
#include "test_common.moc"
