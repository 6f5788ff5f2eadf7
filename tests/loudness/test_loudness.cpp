// Loudness: the measurement on the standard's own test signals, and the
// command that matches all levels, driven through the main window.
#include "DialogDriver.h"
#include "EngineClient.h"
#include "QtTestEnvironment.h"
#include "ShellFixture.h"
#include "level_editing.h"
#include "loudness_meter.h"
#include "track_measurement.h"

#include <QLabel>
#include <QPushButton>

#include <QDeadlineTimer>

#include <cmath>
#include <filesystem>
#include <limits>
#include <numbers>
#include <thread>

using shelltest::Shell;

namespace {

constexpr double Undefined = -std::numeric_limits<double>::infinity();
constexpr double NotChecked = std::numeric_limits<double>::quiet_NaN();

// A stretch of sine on both channels: level of its crests in dBFS, length,
// frequency and the phase of the first sample.
struct Tone {
    double dbfs;
    double seconds;
    double hertz = 1000;
    double phase = 0;
};

std::vector<int16_t> tones(const QList<Tone>& parts)
{
    std::vector<int16_t> samples;
    for (const Tone& t : parts) {
        const double amplitude = 32767 * std::pow(10.0, t.dbfs / 20);
        for (int i = 0; i < int(t.seconds * 44100); ++i) {
            const auto value = int16_t(std::lround(amplitude * std::sin(2 * std::numbers::pi * t.hertz * i / 44100 + t.phase)));
            samples.insert(samples.end(), {value, value});
        }
    }
    return samples;
}

QString writeTones(const testsupport::TempDir& folder, const QString& name, const QList<Tone>& parts)
{
    const auto path = folder / name.toStdString();
    testsupport::writeFile(path, testsupport::makeWav(tones(parts)));
    return QString::fromStdString(path.string());
}

int32_t keepGoing(int32_t)
{
    return 0;
}

// True while this process holds a descriptor open on path.
bool openHere(const QString& path)
{
    std::error_code error;
    for (const auto& fd : std::filesystem::directory_iterator("/proc/self/fd", error)) {
        if (std::filesystem::read_symlink(fd.path(), error) == path.toStdString())
            return true;
    }
    return false;
}

}  // namespace

class TestLoudness : public QObject {
    Q_OBJECT
private slots:
    void measures_data();
    void measures();
    void measuresAgainAFileSavedInPlaceWhileMeasured();
    void matchesLevels();
};

void TestLoudness::measures_data()
{
    QTest::addColumn<QList<Tone>>("signal");
    QTest::addColumn<qint64>("missingBytes");  // data the header claims beyond the file's end
    QTest::addColumn<double>("lufs");
    QTest::addColumn<double>("truePeakAboveSamplePeak");
    QTest::addColumn<QString>("error");

    QTest::newRow("1 kHz at -23 dBFS") << QList<Tone>{{-23, 20}} << 0ll << -23.0 << NotChecked << QString();
    QTest::newRow("1 kHz at -33 dBFS") << QList<Tone>{{-33, 20}} << 0ll << -33.0 << NotChecked << QString();
    QTest::newRow("gating -36/-23/-36") << QList<Tone>{{-36, 10}, {-23, 60}, {-36, 10}} << 0ll << -23.0
                                        << NotChecked << QString();
    // A quarter of the rate, sampled 45 degrees off its crests: every sample
    // sits 3 dB below the 0 dBFS crests.
    QTest::newRow("crests between samples") << QList<Tone>{{0, 5, 11025, std::numbers::pi / 4}} << 0ll
                                            << NotChecked << 2.5 << QString();
    QTest::newRow("a few milliseconds") << QList<Tone>{{-23, 0.005}} << 0ll << Undefined << NotChecked << QString();
    QTest::newRow("cut short") << QList<Tone>{{-23, 1}} << 4000ll << NotChecked << NotChecked
                               << QStringLiteral("ﾌｧｲﾙが途中で切れています");
}

void TestLoudness::measures()
{
    QFETCH(QList<Tone>, signal);
    QFETCH(qint64, missingBytes);
    QFETCH(double, lufs);
    QFETCH(double, truePeakAboveSamplePeak);
    QFETCH(QString, error);

    const testsupport::TempDir folder;
    const QString path = writeTones(folder, QStringLiteral("signal.wav"), signal);
    Track track{QStringLiteral("signal.wav"), path};
    QCOMPARE(engineclient::analyse(track, true, keepGoing), ENGINE_SUCCESS);
    LoudnessMeter meter;
    const LoudnessMeter::Source source{1, path, track.record.dataOffset, track.record.dataBytes + missingBytes};
    meter.Measure({source});
    QTRY_COMPARE_WITH_TIMEOUT(meter.QueueUnsettled({source}), 0, 60000);

    const LoudnessMeter::Status status = meter.StatusOf(source);
    QCOMPARE(status.error, error);
    if (!std::isnan(lufs))
        QVERIFY2(lufs == status.figures.integrated || std::abs(status.figures.integrated - lufs) <= 0.1,
                 qPrintable(QString::number(status.figures.integrated)));
    const double samplePeak = 20 * std::log10(track.record.peakValue / 32768.0);
    if (!std::isnan(truePeakAboveSamplePeak))
        QVERIFY(status.figures.truePeak > samplePeak + truePeakAboveSamplePeak);
}

// The file is replaced under its name (as saving in place does) while the
// worker reads the old one: the new one is measured too.
void TestLoudness::measuresAgainAFileSavedInPlaceWhileMeasured()
{
    const testsupport::TempDir folder;
    const QString path = writeTones(folder, QStringLiteral("track.wav"), {{-30, 60}});
    const QString saved = writeTones(folder, QStringLiteral("saved.wav"), {{-20, 60}});
    LoudnessMeter meter(1);
    const LoudnessMeter::Source source{1, path, 44, 60 * 44100 * 4};  // the canonical header's data
    meter.Measure({source});
    // Replaced once the worker has the old file open.
    const QDeadlineTimer guard(30000);
    bool opened = false;
    while (!(opened = openHere(path)) && !guard.hasExpired())
        std::this_thread::yield();
    QVERIFY(opened);
    std::filesystem::rename(saved.toStdString(), path.toStdString());
    meter.Measure({source});
    QTRY_COMPARE_WITH_TIMEOUT(meter.StatusOf(source).state, LoudnessMeter::Status::Measured, 60000);
    QVERIFY(std::abs(meter.StatusOf(source).figures.integrated - -20.0) <= 0.1);
}

// Three tracks of very different loudness and crest factor: a quiet sine,
// a louder sine with one full-scale click (its ceiling is level 100, where
// it stays far quieter than the others can be: near-silent), and loud noise.
void TestLoudness::matchesLevels()
{
    Shell shell;
    shell.show();
    const QString noise = QString::fromStdString((shell.folder / "noise.wav").string());
    testsupport::writeFile(noise.toStdString(), testsupport::makeWav(testsupport::noise(44100 * 2 * 20, 20000)));
    const QStringList paths{writeTones(shell.folder, "quiet.wav", {{-30, 20}}),
                            writeTones(shell.folder, "clicked.wav",
                                       {{-20, 10}, {0, 0.0001, 11025, std::numbers::pi / 2}, {-20, 10}}),
                            noise};
    const auto levels = [&] {
        QList<int32_t> result;
        for (int i = 1; i <= shell.list().TrackCount(); ++i)
            result << shell.list().TrackAt(i).record.levelPercent;
        return result;
    };
    shell.open(paths);
    QCOMPARE(shell.list().TrackCount(), 3);

    // Cancel while the tracks are still being measured: nothing changes.
    bool waited = false;
    dialogdriver::whenShown(QStringLiteral("fLoudness"), [&](QWidget* dialog) {
        waited = true;
        dialog->findChild<QPushButton*>("Command1")->click();
    });
    shell.run(QStringLiteral("mnuEditLoudnessAll"));
    QVERIFY(waited);
    QCOMPARE(levels(), (QList<int32_t>{100, 100, 100}));

    // The status panel of a known track at a known level, once its
    // measurement arrives.
    shell.click(1);
    shell.list().TrackAt(1).record.levelPercent = 50;
    QTRY_COMPARE_WITH_TIMEOUT(shell.window->findChild<QLabel*>("Panel4")->text(),
                              QStringLiteral("-36.0 LUFS  -36.0 dBTP"), 30000);
    shell.list().TrackAt(1).record.levelPercent = 100;

    // The clicked track is raised to its ceiling and named; the other two
    // are matched among themselves.
    shell.run(QStringLiteral("mnuEditLoudnessAll"));
    const TrackRecord& clicked = shell.list().TrackAt(2).record;
    QCOMPARE(clicked.levelPercent, LevelEditing::MaximumLevel(clicked.peakValue));
    QCOMPARE(shell.prompts.messages.size(), 1);
    QVERIFY(shell.prompts.messages[0].text.endsWith(QStringLiteral("\r\nNo.2:\"clicked.wav\"")));
    std::vector<double> saved;
    for (int i = 1; i <= 3; ++i) {
        Track track = shell.list().TrackAt(i);
        const int32_t expectedPeak = track.record.peakValue * track.record.levelPercent / 100;
        const QString copy = QString::fromStdString((shell.folder / ("saved" + std::to_string(i) + ".wav")).string());
        QCOMPARE(engineclient::save(track, copy, true, keepGoing), ENGINE_SUCCESS);
        Track reopened{QString(), copy};
        QCOMPARE(engineclient::analyse(reopened, true, keepGoing), ENGINE_SUCCESS);
        QVERIFY(std::abs(reopened.record.peakValue - expectedPeak) <= 1);  // no sample wrapped past full scale
        if (i != 2)
            saved.push_back(MeasureTrack(QFile::encodeName(copy).toStdString(), reopened.record.dataOffset, reopened.record.dataBytes,
                                         std::atomic<bool>(false)).figures.integrated);
    }
    const auto [low, high] = std::minmax_element(saved.begin(), saved.end());
    QVERIFY2(*high - *low <= 0.1, qPrintable(QStringLiteral("%1 .. %2").arg(*low).arg(*high)));

    shell.run(QStringLiteral("mnuEditBack"));
    QCOMPARE(levels(), (QList<int32_t>{100, 100, 100}));

    // A file gone since it was opened: its read error, and no change.
    QFile::remove(paths[0]);
    shell.run(QStringLiteral("mnuEditLoudnessAll"));
    QCOMPARE(shell.prompts.messages.size(), 2);
    QCOMPARE(shell.prompts.messages[1].caption, QStringLiteral("ﾌｧｲﾙ読み込みｴﾗｰ"));
    QCOMPARE(levels(), (QList<int32_t>{100, 100, 100}));

    // A quit request while the command waits (the noise was rewritten, so
    // it is measured again): the wait ends at once and nothing changes.
    testsupport::writeFile(noise.toStdString(), testsupport::makeWav(testsupport::noise(44100 * 2 * 20, 10000)));
    dialogdriver::whenShown(QStringLiteral("fLoudness"), [&](QWidget*) { shell.window->EndWithoutAsking(); });
    shell.run(QStringLiteral("mnuEditLoudnessAll"));
    QCOMPARE(shell.prompts.messages.size(), 2);
    QCOMPARE(levels(), (QList<int32_t>{100, 100, 100}));
}

SONVELLE_QTEST_MAIN(TestLoudness)
#include "test_loudness.moc"
