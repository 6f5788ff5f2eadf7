// The program's start and end as a user meets them: the exit question with
// and without unsaved edits, a second start beside a running copy (the real
// program, with a runtime folder of its own), and the command line.
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

// Answers the list-save command's file dialog with path (empty: cancel).
void answerSaveDialog(const QString& path)
{
    auto* poll = new QTimer;
    QObject::connect(poll, &QTimer::timeout, [poll, path] {
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            if (auto* dialog = qobject_cast<QFileDialog*>(widget); dialog != nullptr && dialog->isVisible()) {
                poll->deleteLater();
                dialog->selectFile(path);
                path.isEmpty() ? dialog->reject() : static_cast<QDialog*>(dialog)->accept();
                return;
            }
        }
    });
    poll->start(5);
}

// The real program with the test's folders but another runtime folder,
// killed at the end as a crash would end it.
struct RunningCopy {
    QProcess process;

    bool start()
    {
        const QString socket = SingleInstance().handOverPath();
        QFile::remove(socket);
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        const QString runtime = QDir::tempPath() + QStringLiteral("/other-runtime");
        QDir().mkpath(runtime);
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

}  // namespace

class TestStartAndExit : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        shelltest::clearSettings();
        QFile::remove(JournalWriter::DefaultPath());
    }
    void exitQuestion_data();
    void exitQuestion();
    void filesGoToTheRunningCopy();
    void secondStartIsRefused_data();
    void secondStartIsRefused();
    void commandLine_data();
    void commandLine();
};

void TestStartAndExit::exitQuestion_data()
{
    QTest::addColumn<int>("tracks");
    QTest::addColumn<Prompts::Answer>("answer");
    QTest::addColumn<QString>("listName");  // the save dialog's answer; empty: cancelled
    QTest::addColumn<bool>("ended");
    QTest::addColumn<bool>("journalKept");
    QTest::newRow("nothing unsaved: the described question") << 0 << Prompts::Answer::Ok << "" << true << false;
    QTest::newRow("cancel") << 2 << Prompts::Answer::Cancel << "" << false << true;
    QTest::newRow("discard") << 2 << Prompts::Answer::Discard << "" << true << false;
    QTest::newRow("save") << 2 << Prompts::Answer::Save << "kept.sonvelle" << true << false;
    QTest::newRow("save, dialog cancelled") << 2 << Prompts::Answer::Save << "" << false << true;
}

void TestStartAndExit::exitQuestion()
{
    QFETCH(int, tracks);
    QFETCH(Prompts::Answer, answer);
    QFETCH(QString, listName);
    QFETCH(bool, ended);
    QFETCH(bool, journalKept);
    Shell shell;
    shell.openTracks(tracks);
    const QString list = listName.isEmpty() ? QString() : QString::fromStdString((shell.folder / "kept.sonvelle").string());
    if (answer == Prompts::Answer::Save)
        answerSaveDialog(list);
    QSignalSpy end(shell.window.get(), &PlayListWindow::ProgramEnd);
    shell.prompts.answers << answer;
    shell.run("mnuFileQuit");

    const ShownMessage asked = shell.prompts.messages.value(0);
    QCOMPARE(asked.text, tracks == 0 ? QStringLiteral("CD-R簡単編集\"Sonvelle\"を終了します。よろしいですか？")
                                     : QStringLiteral("編集内容が保存されていません。\r\n終了する前にﾘｽﾄを保存しますか？"));
    QCOMPARE(asked.buttons, tracks == 0 ? Prompts::Buttons::OkCancel : Prompts::Buttons::SaveDiscardCancel);
    QCOMPARE(asked.caption, QStringLiteral("終了"));
    QCOMPARE(asked.defaultAnswer, Prompts::Answer::Cancel);
    QCOMPARE(end.count(), int(ended));
    QCOMPARE(QFile::exists(shell.store.fileName()), ended);
    QCOMPARE(QFile::exists(list), !list.isEmpty());
    QTRY_COMPARE(QFile::exists(JournalWriter::DefaultPath()), journalKept);
}

void TestStartAndExit::filesGoToTheRunningCopy()
{
    RunningCopy running;
    QVERIFY(running.start());
    testsupport::TempDir folder;
    shelltest::writeTrack(folder, QStringLiteral("曲 1.wav"));
    const QString absolute = shelltest::writeTrack(folder, QStringLiteral("トラック\n2.wav"));
    QProcess second;
    second.setWorkingDirectory(QString::fromStdString(folder.path().string()));
    second.start(Program, {QStringLiteral("曲 1.wav"), absolute});
    QVERIFY(second.waitForFinished(20000));
    QCOMPARE(second.exitCode(), 0);
    // The running copy lists both: its journal names them.
    QTRY_VERIFY_WITH_TIMEOUT([] {
        QFile journal(JournalWriter::DefaultPath());
        const QByteArray text = journal.open(QIODevice::ReadOnly) ? journal.readAll() : QByteArray();
        return text.contains("曲 1.wav") && text.contains("トラック\\n2.wav");
    }(), 20000);
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
    QCOMPARE(prompts.messages.value(0).text, QStringLiteral("CD-R簡単編集\"Sonvelle\"は二重起動できません"));
    QCOMPARE(prompts.messages.value(0).caption, QStringLiteral("ｴﾗｰ"));
    ::kill(pid_t(running.process.processId()), SIGCONT);
}

void TestStartAndExit::commandLine_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("language");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("output");  // held by the standard output
    QTest::addColumn<QString>("error");   // held by the one line on the standard error; empty: none
    QTest::newRow("help, English") << QStringList({"--help"}) << "en" << 0 << "[files...]" << "";
    QTest::newRow("help, Japanese") << QStringList({"-h"}) << "ja" << 0 << "[ﾌｧｲﾙ...]" << "";
    QTest::newRow("version") << QStringList({"--version", "a.wav"}) << "en" << 0 << "sonvelle " SONVELLE_PROJECT_VERSION "\n"
                             << "";
    QTest::newRow("unknown option") << QStringList({"a.wav", "--bogus"}) << "en" << 2 << "" << "'bogus'";
}

void TestStartAndExit::commandLine()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, language);
    QFETCH(int, exitCode);
    QFETCH(QString, output);
    QFETCH(QString, error);
    // Nothing here takes the lock: the running copy refuses none of them.
    RunningCopy running;
    QVERIFY(running.start());
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("LANGUAGE"), language);
    // Help and version need no window system: a window system that cannot start would end the program.
    if (exitCode == 0) {
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
        environment.remove(QStringLiteral("DISPLAY"));
        environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
    }
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(Program, arguments);
    QVERIFY(process.waitForFinished(20000));
    QCOMPARE(process.exitCode(), exitCode);
    QVERIFY(QString::fromUtf8(process.readAllStandardOutput()).contains(output));
    const QString errors = QString::fromUtf8(process.readAllStandardError());
    QVERIFY2(error.isEmpty() ? errors.isEmpty() : errors.count(u'\n') == 1 && errors.contains(error), qPrintable(errors));
}

SONVELLE_QTEST_MAIN_WITH(TestStartAndExit, qputenv("XDG_STATE_HOME", QFile::encodeName(folder.path() + "/state")))
#include "test_start_and_exit.moc"
