// Saving every track through the commands, with the progress dialog
// fFileSave on screen, prompts answered through the seam and real files.
#include "DirectoryPrompt.h"
#include "FakePrompts.h"
#include "QtTestEnvironment.h"
#include "SaveWorkflow.h"
#include "file_size_limit.h"
#include "saved_list.h"
#include "wav_builder.h"

#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>

#include <memory>

using namespace savetest;
using testsupport::readFile;
using testsupport::TempDir;

namespace {

class FakeDirectories : public DirectoryPrompt {
public:
    QString existingDirectory(QWidget*, const QString&, const QString&) override
    {
        ++asked;
        return chosen;
    }

    QString chosen;
    int asked = 0;
};

// Records every fFileSave dialog that shows, and can act on one while its
// work runs (the engine's progress reports let events through).
class SaveDialogWatcher : public QObject {
public:
    using Action = std::function<void(QWidget* dialog, const QString& line, int percent)>;

    explicit SaveDialogWatcher(Action action = {})
        : m_action(std::move(action))
    {
        connect(&m_timer, &QTimer::timeout, this, [this] { look(); });
        m_timer.start(0);
    }

    QStringList captions;
    QStringList lines;

private:
    void look()
    {
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            if (widget->objectName() != u"fFileSave" || !widget->isVisible())
                continue;
            const QString line = widget->findChild<QLabel*>(QStringLiteral("Label1"))->text();
            if (lines.isEmpty() || lines.last() != line) {
                captions.append(widget->windowTitle());
                lines.append(line);
            }
            if (m_action)
                m_action(widget, line, widget->findChild<QProgressBar*>(QStringLiteral("ProgressBar1"))->value());
        }
    }

    QTimer m_timer;
    Action m_action;
};

// One list, its prompts and the workflow, as the main window holds them.
struct Session {
    Session()
        : workflow(
              list, prompts, directories, [this](const ListChange& change) { changes.append(change); },
              [this] { editorTrackAtStart = list.EditorTrack(); },
              [this] {
                  ++finished;
                  undoAtFinish = list.UndoAvailable();
              },
              nullptr)
    {
    }

    Bytes add(const std::filesystem::path& path, uint32_t seed, size_t samples = 40000)
    {
        const Bytes bytes = writeTrackFile(path, samples, seed);
        addTrack(list, path);
        return bytes;
    }

    PlayList list;
    FakePrompts prompts;
    FakeDirectories directories;
    QList<ListChange> changes;
    int editorTrackAtStart = 0;
    int finished = 0;
    int undoAtFinish = -1;
    SaveWorkflow workflow;
};

const QString InPlaceCaption = QStringLiteral("上書き保存しています");
const QString AnotherCaption = QStringLiteral("別ﾃﾞｨﾚｸﾄﾘへ保存しています");

}  // namespace

class TestSaveWorkflow : public QObject {
    Q_OBJECT
private slots:
    void overwriteSaveRenamesAndTheListFollows();
    void nothingHappensWithoutATrackOrAnAnswer();
    void reorderedTracksSwapTheirNumberedNames();
    void anotherDirectoryWarnsAboutExactNamesOnly();
    void copiesAreRewrittenByTheNextOverwriteSave();
    void aFullDiskStopsTheBatch();
    void cancelFinishesTheRunningTrackAndStops();
};

void TestSaveWorkflow::overwriteSaveRenamesAndTheListFollows()
{
    TempDir dir;
    Session session;
    const Bytes original = session.add(dir / "song.wav", 1);
    session.list.SaveUndo();
    session.list.SetEditorTrack(1);
    session.list.TrackAt(1).record.levelPercent = 50;
    const Bytes expected = renderedByFileSave(session.list.TrackAt(1), original);

    SaveDialogWatcher watcher;
    session.workflow.SaveCommand();

    QCOMPARE(session.prompts.messages.size(), 1);
    const ShownMessage& question = session.prompts.messages.first();
    QCOMPARE(question.text, QStringLiteral("上書き保存します。よろしいですか？"));
    QCOMPARE(question.caption, QStringLiteral("上書き保存"));
    QCOMPARE(question.buttons, Prompts::Buttons::OkCancel);
    QCOMPARE(question.defaultAnswer, Prompts::Answer::Cancel);
    QCOMPARE(watcher.captions, QStringList{InPlaceCaption});
    QCOMPARE(watcher.lines, QStringList{QStringLiteral("No.1:\"song.wav\"を保存しています")});

    QVERIFY(namesIn(dir.path()) == std::vector<std::string>{"M01_song.wav"});
    QVERIFY(readFile(dir / "M01_song.wav") == expected);
    QCOMPARE(session.list.TrackAt(1).title, QStringLiteral("M01_song.wav"));
    QCOMPARE(session.list.TrackAt(1).path, qpath(dir / "M01_song.wav"));
    QCOMPARE(session.changes.size(), 1);
    QCOMPARE(session.changes.first().trackRows, QList<int>{1});
    QCOMPARE(session.finished, 1);
    QCOMPARE(session.undoAtFinish, 0);
    QCOMPARE(session.editorTrackAtStart, 1);  // the fade editor closes with its track
    QCOMPARE(session.list.EditorTrack(), -1);
    QCOMPARE(session.workflow.CancelFlag(), ENGINE_SUCCESS);

    // Saved again: the name is already right, the file is rewritten in place.
    session.workflow.SaveCommand();
    QVERIFY(namesIn(dir.path()) == std::vector<std::string>{"M01_song.wav"});
    QVERIFY(readFile(dir / "M01_song.wav") == expected);
    QCOMPARE(session.finished, 2);
}

void TestSaveWorkflow::nothingHappensWithoutATrackOrAnAnswer()
{
    TempDir dir;
    Session session;
    session.workflow.SaveCommand();
    session.workflow.SaveAnotherCommand();
    QVERIFY(session.prompts.messages.isEmpty());
    QCOMPARE(session.directories.asked, 0);

    const Bytes original = session.add(dir / "song.wav", 1);
    session.list.TrackAt(1).record.levelPercent = 50;
    session.prompts.answers = {Prompts::Answer::Cancel};
    session.workflow.SaveCommand();
    session.workflow.SaveAnotherCommand();  // the chooser is cancelled

    QCOMPARE(session.prompts.messages.size(), 1);
    QCOMPARE(session.directories.asked, 1);
    QCOMPARE(session.finished, 0);
    QVERIFY(namesIn(dir.path()) == std::vector<std::string>{"song.wav"});
    QVERIFY(readFile(dir / "song.wav") == original);
    QCOMPARE(session.list.TrackAt(1).record.levelPercent, 50);
}

void TestSaveWorkflow::reorderedTracksSwapTheirNumberedNames()
{
    TempDir dir;
    Session session;
    const Bytes a = session.add(dir / "M01_x.wav", 1);
    const Bytes b = session.add(dir / "M02_x.wav", 2);
    session.list.SelectRow(3);
    session.list.MoveSelectedToTop();

    session.workflow.SaveCommand();

    QVERIFY(namesIn(dir.path()) == (std::vector<std::string>{"M01_x.wav", "M02_x.wav"}));
    QVERIFY(readFile(dir / "M01_x.wav") == b);
    QVERIFY(readFile(dir / "M02_x.wav") == a);
    QCOMPARE(session.list.TrackAt(1).path, qpath(dir / "M01_x.wav"));
    QCOMPARE(session.list.TrackAt(2).path, qpath(dir / "M02_x.wav"));
    QVERIFY(session.prompts.messages.size() == 1);
}

void TestSaveWorkflow::anotherDirectoryWarnsAboutExactNamesOnly()
{
    TempDir dir;
    TempDir target;
    Session session;
    const Bytes a = session.add(dir / "a.wav", 1);
    const Bytes b = session.add(dir / "b.wav", 2);
    testsupport::writeFile(target / "M01_a.wav", {1});
    testsupport::writeFile(target / "m02_b.wav", {2});
    session.directories.chosen = qpath(target.path());  // without the separator

    session.prompts.answers = {Prompts::Answer::Cancel};
    session.workflow.SaveAnotherCommand();
    QCOMPARE(session.prompts.messages.size(), 1);
    const ShownMessage& warning = session.prompts.messages.first();
    QCOMPARE(warning.text, QStringLiteral("保存先ﾃﾞｨﾚｸﾄﾘにある以下のﾌｧｲﾙは上書きされます。\n\rM01_a.wav\r\n\n\rよろしいですか？"));
    QCOMPARE(warning.caption, QStringLiteral("別ﾃﾞｨﾚｸﾄﾘへ保存"));
    QCOMPARE(warning.buttons, Prompts::Buttons::OkCancel);
    QCOMPARE(warning.defaultAnswer, Prompts::Answer::Cancel);
    QCOMPARE(session.finished, 0);
    QVERIFY(readFile(target / "M01_a.wav") == Bytes{1});

    SaveDialogWatcher watcher;
    session.workflow.SaveAnotherCommand();
    QCOMPARE(watcher.captions, (QStringList{AnotherCaption, AnotherCaption}));
    QVERIFY(namesIn(target.path()) == (std::vector<std::string>{"M01_a.wav", "M02_b.wav", "m02_b.wav"}));
    QVERIFY(readFile(target / "M01_a.wav") == a);
    QVERIFY(readFile(target / "M02_b.wav") == b);
    QVERIFY(readFile(target / "m02_b.wav") == Bytes{2});
    QVERIFY(readFile(dir / "a.wav") == a);
    QCOMPARE(session.list.TrackAt(2).path, qpath(target / "M02_b.wav"));
    QCOMPARE(session.list.TrackAt(2).title, QStringLiteral("M02_b.wav"));
}

void TestSaveWorkflow::copiesAreRewrittenByTheNextOverwriteSave()
{
    TempDir dir;
    TempDir target;
    Session session;
    const Bytes a = session.add(dir / "a.wav", 1);
    session.directories.chosen = qpath(target.path()) + u'/';
    session.workflow.SaveAnotherCommand();
    QCOMPARE(session.list.TrackAt(1).path, qpath(target / "M01_a.wav"));

    session.list.TrackAt(1).record.levelPercent = 50;
    const Bytes expected = renderedByFileSave(session.list.TrackAt(1), readFile(target / "M01_a.wav"));
    SaveDialogWatcher watcher;
    session.workflow.SaveCommand();

    QCOMPARE(watcher.captions, QStringList{InPlaceCaption});
    QVERIFY(readFile(target / "M01_a.wav") == expected);
    QVERIFY(readFile(dir / "a.wav") == a);
    QVERIFY(namesIn(dir.path()) == std::vector<std::string>{"a.wav"});
}

void TestSaveWorkflow::aFullDiskStopsTheBatch()
{
    TempDir dir;
    TempDir target;
    Session session;
    session.add(dir / "a.wav", 1);
    const Bytes b = session.add(dir / "b.wav", 2, 200000);
    session.add(dir / "c.wav", 3);
    session.directories.chosen = qpath(target.path()) + u'/';

    // No file may grow beyond 150 kB during the batch, as on a full disk:
    // a.wav fits, b.wav does not.
    {
        const testsupport::FileSizeLimit full(150000);
        session.workflow.SaveAnotherCommand();
    }

    QCOMPARE(session.prompts.messages.size(), 1);
    QCOMPARE(session.prompts.messages.first().text, QStringLiteral("ﾃﾞｨｽｸ空き容量が不足しています"));
    QCOMPARE(session.prompts.messages.first().caption, QStringLiteral("CD-R簡単編集\"Sonvelle\""));
    QCOMPARE(session.prompts.messages.first().buttons, Prompts::Buttons::Ok);
    QVERIFY(namesIn(target.path()) == std::vector<std::string>{"M01_a.wav"});
    QVERIFY(readFile(dir / "b.wav") == b);
    QCOMPARE(session.list.TrackAt(2).path, qpath(dir / "b.wav"));
    QCOMPARE(session.list.TrackAt(3).path, qpath(dir / "c.wav"));
    QCOMPARE(session.workflow.CancelFlag(), ENGINE_BAD_FORMAT);
    QCOMPARE(session.finished, 1);
}

void TestSaveWorkflow::cancelFinishesTheRunningTrackAndStops()
{
    TempDir dir;
    Session session;
    session.add(dir / "a.wav", 1);
    session.add(dir / "b.wav", 2, 2000000);
    const Bytes c = session.add(dir / "c.wav", 3);

    bool cancelDisabled = false;
    SaveDialogWatcher watcher([&](QWidget* dialog, const QString& line, int percent) {
        auto* cancel = dialog->findChild<QPushButton*>(QStringLiteral("Command1"));
        if (line.startsWith(u"No.2:") && percent > 0 && cancel->isEnabled()) {
            cancel->click();
            cancelDisabled = !cancel->isEnabled();
        }
    });
    session.workflow.SaveCommand();

    QVERIFY(cancelDisabled);
    QCOMPARE(watcher.lines.size(), 2);
    QCOMPARE(session.workflow.CancelFlag(), ENGINE_CANCELLED);
    QVERIFY(namesIn(dir.path()) == (std::vector<std::string>{"M01_a.wav", "M02_b.wav", "c.wav"}));
    QCOMPARE(session.list.TrackAt(2).title, QStringLiteral("M02_b.wav"));
    QVERIFY(readFile(dir / "c.wav") == c);
    QCOMPARE(session.list.TrackAt(3).title, QStringLiteral("c.wav"));
    QCOMPARE(session.finished, 1);
}

SONVELLE_QTEST_MAIN(TestSaveWorkflow)
#include "test_save_workflow.moc"
