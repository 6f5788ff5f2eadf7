// The program's start and end as a user meets them: the exit question with
// and without unsaved edits, a second start beside a running copy (the real
// program in its own process, with another runtime folder), and the command
// line answered on the terminal.
#include "DialogDriver.h"
#include "QtTestEnvironment.h"
#include "ShellFixture.h"
#include "SingleInstance.h"
#include "StartUp.h"
#include "journal_writer.h"

#include <QFileDialog>
#include <QProcess>

#include <csignal>

using shelltest::Shell;

namespace {

const QString Program = QStringLiteral(SONVELLE_EXECUTABLE);
const QString ExitText = QStringLiteral("CD-R簡単編集\"Sonvelle\"を終了します。よろしいですか？");
const QString UnsavedText = QStringLiteral("編集内容が保存されていません。\r\n終了する前にﾘｽﾄを保存しますか？");
const QString RefusalText = QStringLiteral("CD-R簡単編集\"Sonvelle\"は二重起動できません");

// The file dialog of the list-save command, answered with path (empty:
// cancelled) as soon as it shows.
void answerSaveDialog(const QString& path)
{
    auto* poll = new QTimer;
    QObject::connect(poll, &QTimer::timeout, [poll, path] {
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            auto* dialog = qobject_cast<QFileDialog*>(widget);
            if (dialog == nullptr || !dialog->isVisible())
                continue;
            poll->stop();
            poll->deleteLater();
            if (path.isEmpty()) {
                dialog->reject();
            } else {
                dialog->selectFile(path);
                static_cast<QDialog*>(dialog)->accept();
            }
            return;
        }
    });
    poll->start(5);
}

// The real program, running with the test's home and state folders but a
// runtime folder of its own; stopped with SIGKILL, as a crash would.
struct RunningCopy {
    QProcess process;

    // True once the copy takes files from a later start.
    bool start()
    {
        const QString socket = SingleInstance().handOverPath();
        QFile::remove(socket);
        const QString runtime = QFileInfo(qEnvironmentVariable("XDG_RUNTIME_DIR")).absolutePath() +
                                QStringLiteral("/other-runtime");
        QDir().mkpath(runtime);
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime);
        process.setProcessEnvironment(environment);
        process.start(Program, {});
        return QTest::qWaitFor([&] { return QFile::exists(socket); }, 20000);
    }

    ~RunningCopy()
    {
        process.kill();
        process.waitForFinished();
    }
};

struct Outcome {
    int exitCode = -1;
    QByteArray output;
    QByteArray errors;
};

Outcome runProgram(const QStringList& arguments, const QProcessEnvironment& environment,
                   const QString& folder = QString())
{
    QProcess process;
    process.setProcessEnvironment(environment);
    process.setWorkingDirectory(folder);
    process.start(Program, arguments);
    if (!process.waitForFinished(20000))
        process.kill();
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1, process.readAllStandardOutput(),
            process.readAllStandardError()};
}

}  // namespace

class TestStartAndExit : public QObject {
    Q_OBJECT
private slots:
    void init();
    void exitQuestion_data();
    void exitQuestion();
    void filesGoToTheRunningCopy();
    void secondStartIsRefused_data();
    void secondStartIsRefused();
    void commandLine_data();
    void commandLine();
};

void TestStartAndExit::init()
{
    shelltest::clearSettings();
    QFile::remove(JournalWriter::DefaultPath());
}

void TestStartAndExit::exitQuestion_data()
{
    QTest::addColumn<int>("tracks");
    QTest::addColumn<Prompts::Answer>("answer");
    QTest::addColumn<QString>("listName");  // the save dialog's answer; empty: cancelled
    QTest::addColumn<QString>("question");
    QTest::addColumn<Prompts::Buttons>("buttons");
    QTest::addColumn<bool>("ended");
    QTest::addColumn<bool>("journalKept");
    using A = Prompts::Answer;
    using B = Prompts::Buttons;
    QTest::newRow("nothing unsaved: the described question") << 0 << A::Ok << "" << ExitText << B::OkCancel << true << false;
    QTest::newRow("unsaved, cancel") << 2 << A::Cancel << "" << UnsavedText << B::SaveDiscardCancel << false << true;
    QTest::newRow("unsaved, discard") << 2 << A::Discard << "" << UnsavedText << B::SaveDiscardCancel << true << false;
    QTest::newRow("unsaved, save") << 2 << A::Save << "kept.sonvelle" << UnsavedText << B::SaveDiscardCancel << true
                                   << false;
    QTest::newRow("unsaved, save dialog cancelled")
        << 2 << A::Save << "" << UnsavedText << B::SaveDiscardCancel << false << true;
}

void TestStartAndExit::exitQuestion()
{
    QFETCH(int, tracks);
    QFETCH(Prompts::Answer, answer);
    QFETCH(QString, listName);
    QFETCH(QString, question);
    QFETCH(Prompts::Buttons, buttons);
    QFETCH(bool, ended);
    QFETCH(bool, journalKept);
    Shell shell;
    shell.openTracks(tracks);
    const QString listPath = listName.isEmpty() ? QString() : QString::fromStdString((shell.folder / listName.toStdString()).string());
    if (answer == Prompts::Answer::Save)
        answerSaveDialog(listPath);
    QSignalSpy end(shell.window.get(), &PlayListWindow::ProgramEnd);
    shell.prompts.answers << answer;
    shell.run("mnuFileQuit");

    QCOMPARE(shell.prompts.messages.size(), 1);
    QCOMPARE(shell.prompts.messages[0].text, question);
    QCOMPARE(shell.prompts.messages[0].caption, QStringLiteral("終了"));
    QCOMPARE(shell.prompts.messages[0].buttons, buttons);
    QCOMPARE(shell.prompts.messages[0].defaultAnswer, Prompts::Answer::Cancel);
    QCOMPARE(end.count(), ended ? 1 : 0);
    QCOMPARE(QFile::exists(shell.store.fileName()), ended);
    QCOMPARE(QFile::exists(listPath), !listPath.isEmpty());
    QTRY_COMPARE(QFile::exists(JournalWriter::DefaultPath()), journalKept);
}

void TestStartAndExit::filesGoToTheRunningCopy()
{
    RunningCopy running;
    QVERIFY(running.start());
    testsupport::TempDir folder;
    const QString relative = QStringLiteral("曲 1.wav");
    shelltest::writeTrack(folder, relative);
    const QString absolute = shelltest::writeTrack(folder, QStringLiteral("トラック\n2.wav"));

    const Outcome second = runProgram({relative, absolute}, QProcessEnvironment::systemEnvironment(),
                                      QString::fromStdString(folder.path().string()));
    QCOMPARE(second.exitCode, 0);
    // The running copy lists them: its journal names both.
    QTRY_VERIFY_WITH_TIMEOUT([] {
        QFile journal(JournalWriter::DefaultPath());
        const QByteArray text = journal.open(QIODevice::ReadOnly) ? journal.readAll() : QByteArray();
        return text.contains("曲 1.wav") && text.contains("トラック\\n2.wav");
    }(), 20000);
    QCOMPARE(running.process.state(), QProcess::Running);
}

void TestStartAndExit::secondStartIsRefused_data()
{
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<bool>("runningCopyHangs");
    QTest::newRow("without files") << QStringList() << false;
    QTest::newRow("files, the running copy does not answer") << QStringList({"a.wav"}) << true;
}

void TestStartAndExit::secondStartIsRefused()
{
    QFETCH(QStringList, files);
    QFETCH(bool, runningCopyHangs);
    RunningCopy running;
    QVERIFY(running.start());
    if (runningCopyHangs)
        ::kill(pid_t(running.process.processId()), SIGSTOP);

    FakePrompts prompts;
    SingleInstance second;
    QCOMPARE(startup::run(prompts, second, files), 1);
    QCOMPARE(prompts.messages.size(), 1);
    QCOMPARE(prompts.messages[0].text, RefusalText);
    QCOMPARE(prompts.messages[0].caption, QStringLiteral("ｴﾗｰ"));
    QVERIFY(dialogdriver::shownTopLevel(QStringLiteral("fPlayList")) == nullptr);
    QVERIFY(!QFile::exists(SettingsStore().fileName()));
    if (runningCopyHangs)
        ::kill(pid_t(running.process.processId()), SIGCONT);
    QCOMPARE(running.process.state(), QProcess::Running);
}

void TestStartAndExit::commandLine_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("language");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("output");  // what the standard output holds
    QTest::addColumn<QString>("error");   // the one line on the standard error; empty: none
    QTest::newRow("help in English") << QStringList({"--help"}) << "en" << 0 << "[files...]" << "";
    QTest::newRow("help in Japanese") << QStringList({"-h"}) << "ja" << 0 << "[ﾌｧｲﾙ...]" << "";
    QTest::newRow("version") << QStringList({"--version", "a.wav"}) << "en" << 0
                             << "sonvelle " SONVELLE_PROJECT_VERSION "\n" << "";
    QTest::newRow("unknown option") << QStringList({"a.wav", "--bogus"}) << "en" << 2 << "" << "'bogus'";
}

void TestStartAndExit::commandLine()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, language);
    QFETCH(int, exitCode);
    QFETCH(QString, output);
    QFETCH(QString, error);
    // Neither takes the lock: a running copy refuses nothing here.
    RunningCopy running;
    QVERIFY(running.start());
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("LANGUAGE"), language);
    // Help and version need no window system: one that cannot start would end the program.
    if (exitCode == 0) {
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
        environment.remove(QStringLiteral("DISPLAY"));
        environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
    }
    const Outcome outcome = runProgram(arguments, environment);
    QCOMPARE(outcome.exitCode, exitCode);
    QVERIFY2(QString::fromUtf8(outcome.output).contains(output), outcome.output.constData());
    if (error.isEmpty()) {
        QCOMPARE(outcome.errors, QByteArray());
    } else {
        QCOMPARE(outcome.errors.count('\n'), 1);
        QVERIFY2(outcome.errors.endsWith('\n') && outcome.errors.contains(error.toUtf8()), outcome.errors.constData());
    }
}

SONVELLE_QTEST_MAIN_WITH(TestStartAndExit, qputenv("XDG_STATE_HOME", QFile::encodeName(folder.path() + "/state")))
#include "test_start_and_exit.moc"
