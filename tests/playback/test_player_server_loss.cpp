// The sound server killed while the player plays: the program plays a WAV
// file on disk through the engine and ALSA's pulse plugin into a PulseAudio
// daemon of this test's own, which is killed with SIGKILL in mid-track.
// Playback must end well before the track would have, the player must
// return to idle, and the commands must be those of an idle list again.
#include "PlayBarWindow.h"
#include "QtTestEnvironment.h"
#include "ShellFixture.h"
#include "audio_home.h"

#include <QProcess>

#include <csignal>
#include <filesystem>

using shelltest::Shell;

namespace {

constexpr int32_t Second = 176400;

// A PulseAudio daemon with one null sink, in a folder of its own so that
// killing it disturbs no other test. It runs in the foreground as a child
// of the test, so its process id is known and SIGKILL reaches the daemon
// itself.
class PrivateSoundServer {
public:
    PrivateSoundServer()
    {
        const std::string socket = (m_dir / "native").string();
        m_daemon.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        m_daemon.start(QStringLiteral("pulseaudio"),
                       {"-n", "--daemonize=no", "--use-pid-file=no", "--exit-idle-time=-1", "--disallow-exit",
                        QString::fromStdString("--log-target=file:" + (m_dir / "daemon.log").string()),
                        QString::fromStdString("--load=module-native-protocol-unix auth-anonymous=1 socket=" + socket),
                        "--load=module-null-sink sink_name=faults_null rate=44100 channels=2 format=s16le"});
    }
    ~PrivateSoundServer() { kill(); }
    PrivateSoundServer(const PrivateSoundServer&) = delete;
    PrivateSoundServer& operator=(const PrivateSoundServer&) = delete;

    // The folder whose "native" socket clients connect to, once it exists.
    const std::filesystem::path& dir() const { return m_dir.path(); }
    bool ready() const { return std::filesystem::exists(m_dir / "native"); }

    void kill()
    {
        if (m_daemon.state() == QProcess::NotRunning)
            return;
        ::kill(pid_t(m_daemon.processId()), SIGKILL);
        m_daemon.waitForFinished(5000);
    }

private:
    testsupport::TempDir m_dir;
    QProcess m_daemon;
};

}  // namespace

class TestPlayerServerLoss : public QObject {
    Q_OBJECT
private slots:
    void killedServerEndsPlaybackIntoTheIdleState();
};

void TestPlayerServerLoss::killedServerEndsPlaybackIntoTheIdleState()
{
    PrivateSoundServer server;
    QTRY_VERIFY_WITH_TIMEOUT(server.ready(), 10000);
    qputenv("SONVELLE_PULSE_DIR", QFile::encodeName(QString::fromStdString(server.dir().string())));
    playbacktest::AudioHome home(playbacktest::Device::Pulse);

    Shell shell;
    const auto path = shell.folder / "long.wav";
    testsupport::writeFile(path, testsupport::makeWav(testsupport::noise(44100 * 2 * 20, 12000, 1)));
    shell.open({QString::fromStdString(path.string())});
    QCOMPARE(shell.list().TrackCount(), 1);
    shell.grid()->SetRow(1);
    shell.window->RefreshCommands();
    shell.run("mnuPlayStart");
    QCOMPARE(shell.window->PlayerActive(), 1);
    QTRY_VERIFY_WITH_TIMEOUT(shell.window->player().TimelinePosition() > 2 * Second, 10000);

    server.kill();
    // Of the 20 s track, at most about 2 s have been heard: an end within
    // 8 s is the end the lost server caused, not the track's own.
    QTRY_COMPARE_WITH_TIMEOUT(shell.window->PlayerActive(), -1, 8000);
    QVERIFY(shell.prompts.messages.isEmpty());

    // One track, its track row selected, nothing playing: the moves are off
    // for the only track, and so are stop and the MUTE row's commands.
    const QStringList enabled = {
        "mnuFileOpen", "open", "mnuFileSave", "mnuFileAnother", "mnuEditLevel", "mnuEditAutoMuteAll",
        "mnuEditNomalizeOne", "Nomalize", "mnuEditNomalizeAll", "mnuEditLevelComp", "mnuEditFadeIn", "EditFadeIn",
        "mnuEditFadeOut", "EditFadeOut", "mnuEditDel", "del", "mnuPlayStart", "play", "mnuPlayPeak", "playpeak"};
    const QStringList disabled = {"mnuEditMute", "mnuEditAutoMuteOne", "AutoMute", "mnuMoveTop", "top", "mnuMoveUp",
                                  "up", "mnuMoveDown", "down", "mnuMoveLast", "last", "mnuPlayStop", "stop"};
    for (const QString& name : enabled + disabled)
        QVERIFY2(shell.window->command(name)->isEnabled() == enabled.contains(name), qPrintable(name));
    const QStringList playBarEnabled = {"play", "playpeak", "beforepeak", "afterpeak"};
    for (const QString& key : playBarEnabled + QStringList{"stop"})
        QVERIFY2(shell.window->playBar()->button(key)->isEnabled() == playBarEnabled.contains(key), qPrintable(key));
}

SONVELLE_QTEST_MAIN(TestPlayerServerLoss)
#include "test_player_server_loss.moc"
