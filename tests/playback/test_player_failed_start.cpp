// A peak-point play refused by a missing audio device leaves the player
// idle with no run left on, so that the next plain play is not cut at peaks.
#include "PlayBarWindow.h"
#include "QtTestEnvironment.h"
#include "ShellFixture.h"
#include "audio_home.h"
#include "player.h"

using shelltest::Shell;

class TestPlayerFailedStart : public QObject {
    Q_OBJECT
private slots:
    void failedPeakStartLeavesNoRun_data();
    void failedPeakStartLeavesNoRun();
};

void TestPlayerFailedStart::failedPeakStartLeavesNoRun_data()
{
    QTest::addColumn<QString>("command");
    QTest::newRow("main menu") << "mnuPlayPeak";
    QTest::newRow("play bar") << "playpeak";
}

void TestPlayerFailedStart::failedPeakStartLeavesNoRun()
{
    QFETCH(QString, command);
    playbacktest::AudioHome home(playbacktest::Device::Missing);
    Shell shell;
    shell.openTracks(2);
    shell.click(1);
    if (command == u"playpeak")
        shell.window->playBar()->Toolbar1_ButtonClick(command);
    else
        shell.run(command);
    const Player& player = shell.window->player();
    const QString message = shell.prompts.messages.value(0).text;
    QCOMPARE(QStringLiteral("%1 %2 %3").arg(player.PlayerActive()).arg(player.PeakRun()).arg(message),
             QStringLiteral("-1 0 ｵｰﾃﾞｨｵﾃﾞﾊﾞｲｽがｵｰﾌﾟﾝできません"));
}

SONVELLE_QTEST_MAIN(TestPlayerFailedStart)
#include "test_player_failed_start.moc"
