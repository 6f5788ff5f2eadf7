// Opening real WAV files through the progress dialog: order, messages,
// duplicates, cancelling and the full list.
#include "DecodeDirectory.h"
#include "FakeDirectories.h"
#include "FakePrompts.h"
#include "OpenMessages.h"
#include "OpenWorkflow.h"
#include "QtTestEnvironment.h"
#include "play_list.h"
#include "temp_dir.h"
#include "wav_builder.h"

#include <QFileInfo>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>

#include <filesystem>

using namespace testsupport;

namespace {

// A short stereo track: 0.1 s of silence, loud frames, 0.1 s of silence.
QString writeTrack(const TempDir& folder, const QString& name, int loudFrames = 4410,
                   const WavLayout& layout = {})
{
    const auto path = folder / name.toStdString();
    writeFile(path, makeWav(silenceLoudSilence(4410, loudFrames, 4410), layout));
    return QString::fromStdString(path.string());
}

QStringList titles(const PlayList& list)
{
    QStringList result;
    for (int i = 1; i <= list.TrackCount(); ++i)
        result << list.TrackAt(i).title;
    return result;
}

}  // namespace

class TestOpenWorkflow : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void opensInOrderAndSkipsTheMonoFile();
    void showsEveryFailureAndGoesOn();
    void judgesTheSameFileByTheFileItself_data();
    void judgesTheSameFileByTheFileItself();
    void cancelStopsTheBatch();
    void aCancelledBatchDoesNotStopTheNext();
    void thirtyTracksThenOneMoreReplacesTheLast();
    void progressDialogAsDesigned();
    void openCommandFilterAndDialogCancel();

private:
    std::unique_ptr<TempDir> m_folder;
    std::unique_ptr<PlayList> m_list;
    FakePrompts m_prompts;
    FakeDirectories m_directories;
    std::unique_ptr<DecodeDirectory> m_decodeDirectory;
    Settings m_settings;
    QList<ListChange> m_changes;
    std::unique_ptr<OpenWorkflow> m_open;
};

void TestOpenWorkflow::init()
{
    m_folder = std::make_unique<TempDir>();
    m_list = std::make_unique<PlayList>();
    m_prompts = FakePrompts();
    m_settings = Settings();
    m_changes.clear();
    m_decodeDirectory = std::make_unique<DecodeDirectory>(m_prompts, m_directories);
    m_open = std::make_unique<OpenWorkflow>(
        *m_list, m_prompts, m_settings, *m_decodeDirectory, QStringList(),
        [this](const ListChange& change) { m_changes << change; }, nullptr);
}

void TestOpenWorkflow::cleanup()
{
    m_open.reset();
    m_decodeDirectory.reset();
    m_list.reset();
    m_folder.reset();
}

void TestOpenWorkflow::opensInOrderAndSkipsTheMonoFile()
{
    QStringList paths;
    for (int i = 1; i <= 5; ++i) {
        paths << writeTrack(*m_folder, QStringLiteral("%1.wav").arg(i), 4410,
                            i == 3 ? WavLayout{.channels = 1} : WavLayout{});
    }
    m_open->OpenFiles(paths);

    QCOMPARE(titles(*m_list), QStringList({"1.wav", "2.wav", "4.wav", "5.wav"}));
    QCOMPARE(m_list->TrackAt(3).path, paths[3]);
    QCOMPARE(m_prompts.messages.size(), 1);
    QCOMPARE(m_prompts.messages[0].text,
             QStringLiteral("選択したﾌｧｲﾙ\"3.wav\"は、\r\n44.1kHz,16bitsﾌｫｰﾏｯﾄではありません"));
    QCOMPARE(m_prompts.messages[0].caption, QStringLiteral("ﾌｧｲﾙ読み込みｴﾗｰ"));
    QCOMPARE(m_prompts.messages[0].buttons, Prompts::Buttons::Ok);
    QCOMPARE(m_open->CancelFlag(), int32_t(ENGINE_SUCCESS));
    // Each added track redraws its rows; the slot's start-up colour stays.
    QCOMPARE(m_changes.size(), 4);
    QVERIFY(m_changes[2].trackRows.contains(3));
    QCOMPARE(m_list->TrackAt(3).record.color, 0x8080FF);
}

void TestOpenWorkflow::showsEveryFailureAndGoesOn()
{
    const QString silent = QString::fromStdString((*m_folder / "silent.wav").string());
    writeFile(silent.toStdString(), makeWav(silenceLoudSilence(100, 100, 100, 40)));
    const QString good = writeTrack(*m_folder, QStringLiteral("good.wav"));
    m_open->OpenFiles({m_folder->path().c_str() + QStringLiteral("/missing.wav"), silent, good});

    QCOMPARE(titles(*m_list), QStringList({"good.wav"}));
    QCOMPARE(m_prompts.messages.size(), 2);
    QCOMPARE(m_prompts.messages[0].text, QStringLiteral("ﾌｧｲﾙが読み込めません"));
    QCOMPARE(m_prompts.messages[1].text, QStringLiteral("選択したﾌｧｲﾙ\"silent.wav\"は、\r\n"
                                                        "無音のみで構成されているため、プレイリストに追加しません"));
    for (const ShownMessage& message : m_prompts.messages)
        QCOMPARE(message.caption, QStringLiteral("ﾌｧｲﾙ読み込みｴﾗｰ"));

    // With the peak scan off the silent file is a track like any other.
    m_settings.ReadPeak = false;
    m_open->OpenFiles({silent});
    QCOMPARE(titles(*m_list), QStringList({"good.wav", "silent.wav"}));
    QCOMPARE(m_list->TrackAt(2).record.peakValue, 32767);
}

void TestOpenWorkflow::judgesTheSameFileByTheFileItself_data()
{
    QTest::addColumn<QString>("secondName");
    QTest::addColumn<bool>("added");
    // Names that differ in letter case are two files here.
    QTest::newRow("other case") << QStringLiteral("SONG.WAV") << true;
    QTest::newRow("dot and dot-dot") << QStringLiteral("sub/../Song.wav") << false;
    QTest::newRow("symbolic link") << QStringLiteral("link.wav") << false;
    QTest::newRow("hard link") << QStringLiteral("hard.wav") << false;
}

void TestOpenWorkflow::judgesTheSameFileByTheFileItself()
{
    QFETCH(QString, secondName);
    QFETCH(bool, added);
    const QString path = writeTrack(*m_folder, QStringLiteral("Song.wav"));
    writeTrack(*m_folder, QStringLiteral("SONG.WAV"));
    std::filesystem::create_directory(*m_folder / "sub");
    std::filesystem::create_symlink(*m_folder / "Song.wav", *m_folder / "link.wav");
    std::filesystem::create_hard_link(*m_folder / "Song.wav", *m_folder / "hard.wav");
    m_open->OpenFiles({path});
    m_open->OpenFiles({QString::fromStdString((*m_folder / secondName.toStdString()).string())});

    QCOMPARE(m_list->TrackCount(), added ? 2 : 1);
    if (added) {
        QVERIFY(m_prompts.messages.isEmpty());
        return;
    }
    QCOMPARE(m_prompts.messages.size(), 1);
    QCOMPARE(m_prompts.messages[0].text,
             QStringLiteral("選択したﾌｧｲﾙ\"") + QFileInfo(secondName).fileName() + QStringLiteral("\"は、\r\n既に開かれています"));
    QCOMPARE(m_prompts.messages[0].caption, QStringLiteral("ﾌｧｲﾙ読み込みｴﾗｰ"));
}

namespace {

// Presses Cancel of the open dialog once it analyses the file with this
// title (its timer has fired and the analysis runs).
void cancelWhileReading(const QString& title)
{
    auto* poll = new QTimer;
    QObject::connect(poll, &QTimer::timeout, [poll, title] {
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            if (widget->objectName() != u"fFileOpen" || !widget->isVisible())
                continue;
            const auto* label = widget->findChild<QLabel*>(QStringLiteral("Label1"));
            const auto* timer = widget->findChild<QTimer*>(QStringLiteral("Timer1"));
            if (label->text() == openmessages::reading(title) && !timer->isActive()) {
                widget->findChild<QPushButton*>(QStringLiteral("Command1"))->click();
                poll->stop();
                poll->deleteLater();
            }
        }
    });
    poll->start(0);
}

}  // namespace

void TestOpenWorkflow::cancelStopsTheBatch()
{
    QStringList paths;
    for (int i = 1; i <= 5; ++i)
        paths << writeTrack(*m_folder, QStringLiteral("%1.wav").arg(i), 441000);
    cancelWhileReading(QStringLiteral("2.wav"));
    m_open->OpenFiles(paths);

    QCOMPARE(titles(*m_list), QStringList({"1.wav"}));
    QCOMPARE(m_open->CancelFlag(), int32_t(ENGINE_CANCELLED));
    QVERIFY(m_prompts.messages.isEmpty());
}

void TestOpenWorkflow::aCancelledBatchDoesNotStopTheNext()
{
    const QString first = writeTrack(*m_folder, QStringLiteral("first.wav"), 441000);
    const QString second = writeTrack(*m_folder, QStringLiteral("second.wav"), 441000);
    m_open->OpenFiles({first});
    cancelWhileReading(QStringLiteral("second.wav"));
    m_open->OpenFiles({second});
    QCOMPARE(m_open->CancelFlag(), int32_t(ENGINE_CANCELLED));

    // The duplicate leaves the flag alone; the batch still goes on.
    m_open->OpenFiles({first, second});
    QCOMPARE(titles(*m_list), QStringList({"first.wav", "second.wav"}));
    QCOMPARE(m_prompts.messages.size(), 1);
}

void TestOpenWorkflow::thirtyTracksThenOneMoreReplacesTheLast()
{
    QStringList paths;
    for (int i = 1; i <= 31; ++i)
        paths << writeTrack(*m_folder, QStringLiteral("t%1.wav").arg(i), 100);
    m_open->OpenFiles(paths.mid(0, 30));
    QCOMPARE(m_list->TrackCount(), 30);
    const int32_t lastColor = m_list->TrackAt(30).record.color;

    m_open->OpenFiles({paths[30]});
    QCOMPARE(m_list->TrackCount(), 30);
    QCOMPARE(m_list->TrackAt(29).title, QStringLiteral("t29.wav"));
    QCOMPARE(m_list->TrackAt(30).title, QStringLiteral("t31.wav"));
    QCOMPARE(m_list->TrackAt(30).record.color, lastColor);
    QVERIFY(m_prompts.messages.isEmpty());
}

void TestOpenWorkflow::progressDialogAsDesigned()
{
    const QString path = writeTrack(*m_folder, QStringLiteral("曲.wav"), 441000);
    QString caption, line, cancel;
    int interval = -1;
    bool modal = false;
    auto* poll = new QTimer;
    connect(poll, &QTimer::timeout, [&, poll] {
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            if (widget->objectName() == u"fFileOpen" && widget->isVisible()) {
                caption = widget->windowTitle();
                line = widget->findChild<QLabel*>(QStringLiteral("Label1"))->text();
                cancel = widget->findChild<QPushButton*>(QStringLiteral("Command1"))->text();
                interval = widget->findChild<QTimer*>(QStringLiteral("Timer1"))->interval();
                modal = widget->isModal();
                QCOMPARE(widget->findChild<QProgressBar*>(QStringLiteral("ProgressBar1"))->maximum(), 100);
                poll->stop();
                poll->deleteLater();
            }
        }
    });
    poll->start(0);
    m_open->OpenFiles({path});
    QCOMPARE(caption, QStringLiteral("ﾌｧｲﾙを開いています"));
    QCOMPARE(line, QStringLiteral("\"曲.wav\"を読み込んでいます"));
    QCOMPARE(cancel, QStringLiteral("Cancel"));
    QCOMPARE(interval, 1);
    QVERIFY(modal);
}

void TestOpenWorkflow::openCommandFilterAndDialogCancel()
{
    QVERIFY(!m_open->OpenCommand(false));
    QCOMPARE(m_prompts.filters, QStringList({"ｳｪｰﾌﾞﾌｧｲﾙ(*.wav)|*.wav|すべての対応ﾌｧｲﾙ(*.wav)|*.wav"}));
    QVERIFY(m_changes.isEmpty());

    m_prompts.chosenFiles << QStringList({writeTrack(*m_folder, QStringLiteral("a.wav"))});
    QVERIFY(m_open->OpenCommand(true));
    QCOMPARE(m_prompts.filters[1],
             QStringLiteral("ｳｪｰﾌﾞﾌｧｲﾙ(*.wav)|*.wav|MP3ﾌｧｲﾙ(*.mp3)|*.mp3|すべての対応ﾌｧｲﾙ(*.wav;*.mp3)|*.wav;*.mp3"));
    QCOMPARE(titles(*m_list), QStringList({"a.wav"}));
}

SONVELLE_QTEST_MAIN(TestOpenWorkflow)
#include "test_open_workflow.moc"
