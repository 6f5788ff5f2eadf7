// After undo, or a full list's replacement of track 30, the fade editor shows
// (caption and waveform) the very track it acts on (EditorTrack), or nothing.
#include "FadeInEditer.h"
#include "PictureBox.h"
#include "QtTestEnvironment.h"
#include "ShellFixture.h"

using shelltest::Shell;

namespace {

// "open a b" opens tracks a.wav to b.wav of different lengths, "select i"
// clicks track i's row, any other word runs that command.
void step(Shell& shell, const QString& text)
{
    const QStringList words = text.split(u' ');
    if (words[0] == u"open") {
        QStringList paths;
        for (int i = words[1].toInt(); i <= words[2].toInt(); ++i)
            paths << shelltest::writeTrack(shell.folder, QStringLiteral("%1.wav").arg(i), 10000, 4410 * i, 4410 * i);
        shell.open(paths);
    } else if (words[0] == u"select") {
        shell.click(2 * words[1].toInt() - 1);
    } else {
        shell.run(words[0]);
    }
}

}  // namespace

class TestEditorFollowsList : public QObject {
    Q_OBJECT
private slots:
    void showsTheTrackItActsOn_data();
    void showsTheTrackItActsOn();
};

void TestEditorFollowsList::showsTheTrackItActsOn_data()
{
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QString>("expected");
    const QString caption = QStringLiteral("Fade-In Editer  - \"%1\" @%2");
    QTest::newRow("undo of a delete above the editor's track")
        << QStringList{"open 1 3", "select 1", "mnuEditDel", "select 1", "mnuEditFadeIn", "mnuEditBack"}
        << caption.arg("2.wav").arg(2);
    QTest::newRow("undo of a move")
        << QStringList{"open 1 3", "select 3", "mnuMoveTop", "select 3", "mnuEditFadeIn", "mnuEditBack"}
        << caption.arg("2.wav").arg(2);
    QTest::newRow("undo after another track was loaded")
        << QStringList{"open 1 3", "select 2", "mnuEditFadeIn", "mnuEditDel", "select 2", "mnuEditFadeIn",
                       "mnuEditBack"}
        << caption.arg("3.wav").arg(3);
    QTest::newRow("a full list replaces the editor's track 30")
        << QStringList{"open 1 30", "select 30", "mnuEditFadeIn", "open 31 31"}
        << caption.arg("-NoLoad-").arg(-2);
}

void TestEditorFollowsList::showsTheTrackItActsOn()
{
    QFETCH(QStringList, steps);
    QFETCH(QString, expected);
    Shell shell;
    for (const QString& text : steps)
        step(shell, text);
    // Caption, EditorTrack, and whether the picture is what a redraw draws.
    FadeInEditer* editor = shell.window->editor();
    const QImage shown = editor->picture()->image();
    editor->RedrawWaveform();
    const QString stale = shown == editor->picture()->image() ? QString() : QStringLiteral(" (stale picture)");
    QCOMPARE(editor->windowTitle() + QStringLiteral(" @%1").arg(shell.list().EditorTrack()) + stale, expected);
}

SONVELLE_QTEST_MAIN(TestEditorFollowsList)
#include "test_editor_follows_list.moc"
