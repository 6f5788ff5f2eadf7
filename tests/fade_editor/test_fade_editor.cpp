// The fade editor window in the program: opening a track from the main
// window, zooming, the commands at the cursor, playing from it, the
// envelope dialogs, the Window menu, deleting the editor's track, saving the
// edits, and the editor's place at the exit.
#include "DialogDriver.h"
#include "EnvelopeDialog.h"
#include "PictureBox.h"
#include "PlaybackControl.h"
#include "ProgramTitle.h"
#include "QtTestEnvironment.h"
#include "audio_home.h"
#include "ShellFixture.h"
#include "ValueUpDown.h"
#include "cd_time.h"
#include "saved_list.h"

#include <QLabel>
#include <QPushButton>
#include <QScrollBar>

using shelltest::Shell;

namespace {

// Records what the editor asks of the player.
class RecordingPlayer : public PlaybackControl {
public:
    int PlayerActive() const override { return active; }
    int PlayingTrack() const override { return 1; }
    void StartPlayback(int track, int offset) override { calls << QStringLiteral("start %1 %2").arg(track).arg(offset); }
    void StopPlayback() override { calls << QStringLiteral("stop"); }
    void SeekPlayback(int track, int offset) override { calls << QStringLiteral("seek %1 %2").arg(track).arg(offset); }
    void ClearPeakRun() override { calls << QStringLiteral("clear"); }

    int active = -1;
    QStringList calls;
};

constexpr int Second = 176400;

// A shell with one noise track of the given seconds, its row selected.
struct EditorShell : Shell {
    explicit EditorShell(double seconds = 20)
    {
        const auto path = folder / "noise.wav";
        original = savetest::writeTrackFile(path, size_t(seconds * Second / 2), 3);
        open({savetest::qpath(path)});
        click(1);
    }

    FadeInEditer* editor() const { return window->editor(); }
    TrackRecord& record() const { return list().TrackAt(1).record; }
    bool enabled(const QString& name) const { return editor()->command(name)->isEnabled(); }

    savetest::Bytes original;
};

}  // namespace

class TestFadeEditor : public QObject {
    Q_OBJECT
private slots:
    void fadeOutOpensAtTheEndOfTheTrack();
    void zoomButtonsStopAtTheEnds();
    void aMissingFileIsReported();
    void commandsFollowTheCursor();
    void playAndDoubleClick();
    void playsFromTheCursorThroughThePlayer();
    void envelopeDialogs_data();
    void envelopeDialogs();
    void windowMenuAndDeletion();
    void arrangeAndExitKeepThePlace();
    void savedFadesAreTheEnginesRendering();
};

void TestFadeEditor::fadeOutOpensAtTheEndOfTheTrack()
{
    EditorShell shell;
    QVERIFY(!shell.enabled("play"));
    shell.run("mnuEditFadeOut");
    FadeInEditer* editor = shell.editor();
    QVERIFY(editor->isVisible());
    QVERIFY(shell.window->command("mnuWindowEdit")->isChecked());
    QCOMPARE(editor->windowTitle(), QStringLiteral("Fade-In Editer  - \"noise.wav\""));
    const EditorView& view = editor->view();
    QCOMPARE(view.EditorViewStart, (shell.record().dataBytes - view.EditorViewBytes) / 50 * 50);
    QVERIFY(shell.enabled("play"));

    auto items = editor->findChildren<QAction*>("mnuFileOpen");
    QCOMPARE(items[0]->text(), QStringLiteral("No.01: noise.wav"));
    QVERIFY(items[0]->isChecked() && items[0]->isVisible());
    QVERIFY(!items[1]->isVisible());

    // The picture shows the waveform: some green in the middle band.
    const QImage image = editor->picture()->image();
    int green = 0;
    for (int x = 0; x < image.width(); ++x)
        green += image.pixelColor(x, 1000 / 15) == QColor(0, 255, 0);
    QVERIFY(green > image.width() / 2);
}

void TestFadeEditor::zoomButtonsStopAtTheEnds()
{
    EditorShell shell;
    shell.run("mnuEditFadeIn");
    QStringList states;
    const auto press = [&](const char* key, int times) {
        for (int i = 0; i < times; ++i)
            shell.editor()->command(key)->trigger();
        states << QStringLiteral("%1/%2").arg(shell.enabled("zoomin")).arg(shell.enabled("zoomout"));
    };
    press("zoomin", 4);
    press("zoomout", 2);
    press("zoomout", 4);
    QCOMPARE(states, QStringList({"0/1", "1/1", "1/0"}));
    QCOMPARE(shell.editor()->view().EditorEntriesPerPixel, 40);
}

void TestFadeEditor::aMissingFileIsReported()
{
    EditorShell shell;
    QFile::remove(shell.list().TrackAt(1).path);
    shell.run("mnuEditFadeIn");
    QVERIFY(!shell.prompts.messages.isEmpty());
    const ShownMessage& shown = shell.prompts.messages.first();
    QVERIFY(!shown.text.isEmpty());
    QCOMPARE(shown.caption, ProgramTitle());
    QCOMPARE(shown.buttons, Prompts::Buttons::Ok);
    QCOMPARE(shell.editor()->cache().Start(0), -1);
}

void TestFadeEditor::commandsFollowTheCursor()
{
    EditorShell shell;
    shell.run("mnuEditFadeIn");
    FadeInEditer* editor = shell.editor();
    editor->PressAt(3001);  // 400,133.3 bytes: cursor 400,132
    QCOMPARE(editor->view().EditorCursor, 400132);
    editor->command("FadeInEnd")->trigger();
    QCOMPARE(shell.record().fadeInEnd, 400132);
    QCOMPARE(shell.record().fadeInCurve, 0.6f);
    QCOMPARE(shell.window->findChild<QLabel*>("Panel1")->text(), QStringLiteral("FadeInLength =  ") + FormatCdTime(400132 - shell.record().preMutePoint));
    // Inside the fade-in only the fade-in side is offered.
    editor->PressAt(1500);
    QVERIFY(shell.enabled("mnuFadeIn") && !shell.enabled("mnuFadeOut") && shell.enabled("FadeInEnv"));

    // A pre-mute point moved in the editor shows in the grid and on the
    // disc's timeline at once.
    editor->RunCommand("mnuFadeInPre");
    QCOMPARE(shell.grid()->TextMatrix(1, 3), FormatCdTime(editor->view().EditorCursor));
    QCOMPARE(shell.record().soundBytes, shell.record().postMutePoint - editor->view().EditorCursor);
    QCOMPARE(shell.list().TrackTimeline()[1].soundStart, editor->view().EditorCursor);
}

void TestFadeEditor::playAndDoubleClick()
{
    EditorShell shell;
    RecordingPlayer player;
    shell.editor()->AttachPlayer(player);
    shell.run("mnuEditFadeIn");
    FadeInEditer* editor = shell.editor();
    PictureBox* picture = editor->picture();
    // A user's double-click: its first press moves the cursor.
    const auto doubleClick = [picture](int x) {
        QTest::mouseClick(picture, Qt::LeftButton, {}, QPoint(x, 10));
        QTest::mouseDClick(picture, Qt::LeftButton, {}, QPoint(x, 10));
    };
    QTest::mouseClick(picture, Qt::LeftButton, {}, QPoint(30, 10));
    QCOMPARE(editor->view().EditorCursor, 30 * 2000 / 4 * 4);
    editor->command("play")->trigger();
    doubleClick(40);
    player.active = 1;
    doubleClick(50);
    // While playing, the command states turn the stop button on.
    editor->command("stop")->setEnabled(true);
    editor->command("stop")->trigger();
    QCOMPARE(player.calls, QStringList({"start 1 60000", "clear", "start 1 80000", "clear", "seek 1 100000", "stop"}));

    // A cursor beyond the track's audible end plays nothing.
    shell.record().muteAdjustBytes = -(shell.record().dataBytes - 80000);
    player.calls.clear();
    doubleClick(45);
    QVERIFY(player.calls.isEmpty());
}

void TestFadeEditor::playsFromTheCursorThroughThePlayer()
{
    playbacktest::AudioHome audio(playbacktest::Device::File);
    EditorShell shell(3);
    shell.run("mnuEditFadeIn");
    FadeInEditer* editor = shell.editor();
    editor->PressAt(15 * 150);
    QCOMPARE(editor->view().EditorCursor, 300000);
    editor->command("play")->trigger();
    const Player& player = shell.window->player();
    QCOMPARE(player.PlayerActive(), 1);
    QCOMPARE(player.PlayingTrack(), 1);
    // No editing while the track plays.
    QVERIFY(!shell.enabled("mnuFadeIn") && !shell.enabled("FadeOutPost") && shell.enabled("stop"));
    QTRY_COMPARE_WITH_TIMEOUT(player.PlayerActive(), -1, 20000);
    QCOMPARE(audio.played().size(), size_t(shell.record().dataBytes - 300000));
    QVERIFY(shell.enabled("play") && !shell.enabled("stop"));
}

void TestFadeEditor::envelopeDialogs_data()
{
    QTest::addColumn<bool>("fadeIn");
    QTest::addColumn<float>("curve");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<int>("setTo");  // 0: leave the spin alone
    QTest::addColumn<QString>("button");
    QTest::addColumn<float>("stored");
    QTest::newRow("0.6 up to 3.0, OK") << true << 0.6f << "Env=0.6" << 30 << "Command1" << 3.0f;
    QTest::newRow("1.8, Cancel") << false << 1.8f << "Env=1.8" << 5 << "Command2" << 1.8f;
    QTest::newRow("1.8, close box") << false << 1.8f << "Env=1.8" << 5 << "" << 1.8f;
    QTest::newRow("0.25 opens at 2, OK") << true << 0.25f << "Env=0.2" << 0 << "Command1" << 0.2f;
}

void TestFadeEditor::envelopeDialogs()
{
    QFETCH(bool, fadeIn);
    QFETCH(float, curve);
    QFETCH(QString, shown);
    QFETCH(int, setTo);
    QFETCH(QString, button);
    QFETCH(float, stored);
    EditorShell shell;
    shell.run("mnuEditFadeIn");
    float& field = fadeIn ? shell.record().fadeInCurve : shell.record().fadeOutCurve;
    field = curve;
    QString opened, changed;
    dialogdriver::whenShown(fadeIn ? "fFadeInEnv" : "fFadeOutEnv", [&](QWidget* dialog) {
        auto* label = dialog->findChild<QLabel*>("Label2");
        opened = label->text();
        if (setTo != 0)
            dialog->findChild<ValueUpDown*>("UpDown1")->setValue(setTo);
        changed = label->text();
        if (button.isEmpty())
            dialog->close();
        else
            dialog->findChild<QPushButton*>(button)->click();
    });
    shell.editor()->RunCommand(fadeIn ? "mnuFadeInEnv" : "mnuFadeOutEnv");
    QCOMPARE(opened, shown);
    if (setTo != 0)
        QCOMPARE(changed, QStringLiteral("Env=%1").arg(setTo / 10.0, 0, 'f', 1));
    QCOMPARE(field, stored);
}

void TestFadeEditor::windowMenuAndDeletion()
{
    EditorShell shell;
    FadeInEditer* editor = shell.editor();
    QAction* windowEdit = shell.window->command("mnuWindowEdit");
    windowEdit->trigger();
    QVERIFY(editor->isVisible() && windowEdit->isChecked());
    QCOMPARE(editor->windowTitle(), QStringLiteral("Fade-In Editer  - \"-NoLoad-\""));
    QCOMPARE(shell.list().EditorTrack(), -2);
    windowEdit->trigger();
    QVERIFY(!editor->isVisible() && !windowEdit->isChecked());

    // Deleting the shown track leaves the window open and empty.
    shell.run("mnuEditFadeIn");
    QCOMPARE(shell.list().EditorTrack(), 1);
    shell.run("mnuEditDel");
    QCOMPARE(shell.list().EditorTrack(), -2);
    QCOMPARE(editor->windowTitle(), QStringLiteral("Fade-In Editer  - \"-NoLoad-\""));
    QVERIFY(!editor->findChildren<QAction*>("mnuFileOpen")[0]->isVisible());
    QVERIFY(!shell.enabled("mnuFadeIn") && !shell.enabled("FadeOutPost"));

    // The close box only hides it and clears the check mark.
    editor->close();
    QVERIFY(!editor->isVisible() && !windowEdit->isChecked());
}

void TestFadeEditor::arrangeAndExitKeepThePlace()
{
    shelltest::storeText("fFadeInEditer/Top", "30000");
    shelltest::storeText("fFadeInEditer/Left", "900");
    Shell shell;
    QCOMPARE(shell.window->editor()->placement().top, 7140.0f);
    QCOMPARE(shell.window->editor()->placement().left, 0.0f);
    shell.window->applyPlacement({1500, 3000, 6000});
    shell.run("mnuWindowArrange");
    const WindowPlacement arranged = shell.window->editor()->placement();
    QCOMPARE(arranged.top, 7140.0f);
    QCOMPARE(arranged.left, 3000.0f);
    QCOMPARE(arranged.extent, 7935.0f);

    shell.window->editor()->applyPlacement({7500, 1200, 9000});
    shell.run("mnuFileQuit");
    QSettings raw(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("SVL"));
    QCOMPARE(raw.value("fFadeInEditer/Top").toString(), QStringLiteral("7500"));
    QCOMPARE(raw.value("fFadeInEditer/Left").toString(), QStringLiteral("1200"));
    QCOMPARE(raw.value("fFadeInEditer/Width").toString(), QStringLiteral("9000"));
    shelltest::clearSettings();
}

void TestFadeEditor::savedFadesAreTheEnginesRendering()
{
    EditorShell shell(6);
    Track expected = shell.list().TrackAt(1);
    shell.run("mnuEditFadeIn");
    FadeInEditer* editor = shell.editor();
    editor->PressAt(15 * 500);  // byte 1,000,000
    editor->RunCommand("mnuFadeInEnd");
    shell.run("mnuEditFadeOut");
    const int32_t fadeOutStart = editor->view().EditorViewStart + 100 * 2000;
    editor->PressAt(15 * 100);
    editor->RunCommand("mnuFadeOutStart");
    QCOMPARE(shell.record().fadeOutStart, fadeOutStart);

    TrackRecord& r = expected.record;
    r.preDigitalMute = r.preMutePoint;
    r.fadeInEnd = 1000000;
    r.fadeInBytes = r.fadeInEnd - r.preDigitalMute;
    r.fadeInCurve = 0.6f;
    r.fadeOutStart = fadeOutStart;
    r.postDigitalMute = r.postMutePoint;
    r.fadeOutBytes = r.postDigitalMute - fadeOutStart;
    r.fadeOutCurve = 1.8f;
    const savetest::Bytes rendered = savetest::renderedByFileSave(expected, shell.original);

    shell.run("mnuFileSave");
    QVERIFY(!editor->isVisible());
    QCOMPARE(shell.list().EditorTrack(), -1);
    QVERIFY(!shell.window->command("mnuWindowEdit")->isChecked());
    QVERIFY(testsupport::readFile(shell.folder / "M01_noise.wav") == rendered);
}

SONVELLE_QTEST_MAIN(TestFadeEditor)
#include "test_fade_editor.moc"
