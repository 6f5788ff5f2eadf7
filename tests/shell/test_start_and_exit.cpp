// The exit question; later starts beside a running copy (the real program, another runtime folder); the command line.
#include "DialogDriver.h"
#include "QtTestEnvironment.h"
#include "ShellFixture.h"
#include "SingleInstance.h"
#include "StartUp.h"
#include "journal_writer.h"

#include <QFileDialog>
#include <QScopeGuard>
#include <QTimer>
#include <QProcess>

#include <csignal>

const QString Program = QStringLiteral(SONVELLE_EXECUTABLE);

// listName: the save dialog's answer (empty: cancelled).
struct ExitCase { int tracks; Prompts::Answer answer; QString listName; bool ended; };
// shown: held by the standard output, or for exit status 2 by one line on the standard error.
struct CommandCase { QStringList arguments; QString language; int exitCode; QString shown; };

class TestStartAndExit : public QObject {
    Q_OBJECT
    QProcess m_running;   // killed at the end, as a crash would end it
private slots:
    void initTestCase()
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), QDir::tempPath());
        m_running.setProcessEnvironment(environment);
        m_running.start(Program, {});
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(SingleInstance().handOverPath()), 20000);
    }
    void init() { QFile::remove(JournalWriter::DefaultPath()); }
    void cleanupTestCase() { m_running.kill(); m_running.waitForFinished(); }
    void exitQuestion_data();
    void exitQuestion();
    void laterStarts();
    void aSocketPathTooLong();
    void commandLine_data();
    void commandLine();
};

void TestStartAndExit::exitQuestion_data()
{
    QTest::addColumn<ExitCase>("row");
    QTest::newRow("nothing unsaved: the described question") << ExitCase{0, Prompts::Answer::Ok, "", true};
    QTest::newRow("cancel") << ExitCase{2, Prompts::Answer::Cancel, "", false};
    QTest::newRow("discard") << ExitCase{2, Prompts::Answer::Discard, "", true};
    QTest::newRow("save") << ExitCase{2, Prompts::Answer::Save, "kept.sonvelle", true};
    QTest::newRow("save, dialog cancelled") << ExitCase{2, Prompts::Answer::Save, "", false};
}

void TestStartAndExit::exitQuestion()
{
    QFETCH(ExitCase, row);
    shelltest::Shell shell;
    shell.openTracks(row.tracks);
    const QString list = row.listName.isEmpty() ? QString() : shell.folder.path().c_str() + (u'/' + row.listName);
    if (row.answer == Prompts::Answer::Save)
        dialogdriver::whenShown(QStringLiteral("QFileDialog"), [list](QWidget* dialog) {
            static_cast<QFileDialog*>(dialog)->selectFile(list);
            list.isEmpty() ? static_cast<QDialog*>(dialog)->reject() : static_cast<QDialog*>(dialog)->accept();
        });
    QSignalSpy end(shell.window.get(), &PlayListWindow::ProgramEnd);
    shell.prompts.answers << row.answer;
    shell.run("mnuFileQuit");

    const ShownMessage asked = shell.prompts.messages.value(0);
    QCOMPARE(asked.text, row.tracks == 0 ? QStringLiteral("CD-R簡単編集\"Sonvelle\"を終了します。よろしいですか？")
                                         : QStringLiteral("編集内容が保存されていません。\r\n終了する前にﾘｽﾄを保存しますか？"));
    QCOMPARE(asked.buttons, row.tracks == 0 ? Prompts::Buttons::OkCancel : Prompts::Buttons::SaveDiscardCancel);
    QCOMPARE(end.count(), int(row.ended));
    QCOMPARE(QFile::exists(list), !list.isEmpty());
    // The journal goes only with an end that leaves nothing unsaved; the
    // window's journal writer stores a waiting change as it goes.
    shell.window.reset();
    QCOMPARE(QFile::exists(JournalWriter::DefaultPath()), row.tracks > 0 && !row.ended);
}

// Files (one relative, odd names) go to the running copy; without files, or unanswered, the message.
void TestStartAndExit::laterStarts()
{
    testsupport::TempDir folder;
    const QString directory = QString::fromStdString(folder.path().string());
    const auto handOver = [&](const QStringList& files) {
        QProcess later;
        later.setWorkingDirectory(directory);
        later.start(Program, files);
        return later.waitForFinished(20000) ? later.exitCode() : -1;
    };
    shelltest::writeTrack(folder, QStringLiteral("曲 1.wav"));
    QCOMPARE(handOver({QStringLiteral("曲 1.wav"), shelltest::writeTrack(folder, QStringLiteral("トラック\n2.wav"))}), 0);
    // The running copy lists both: its journal names them.
    const auto journal = [] { QFile file(JournalWriter::DefaultPath()); return file.open(QIODevice::ReadOnly) ? file.readAll() : ""; };
    QTRY_VERIFY_WITH_TIMEOUT(journal().contains("曲 1.wav") && journal().contains("トラック\\n2.wav"), 20000);

    FakePrompts prompts;
    SingleInstance third;
    QCOMPARE(startup::run(prompts, third), 1);
    const QString late = shelltest::writeTrack(folder, QStringLiteral("late.wav"));
    {
        ::kill(pid_t(m_running.processId()), SIGSTOP);
        const auto resume = qScopeGuard([this] { ::kill(pid_t(m_running.processId()), SIGCONT); });
        QCOMPARE(startup::run(prompts, third, {late}), 1);
    }
    QCOMPARE(prompts.messages.size(), 2);
    QCOMPARE(prompts.messages[1].text, QStringLiteral("CD-R簡単編集\"Sonvelle\"は二重起動できません"));
    // The copy that answered late never opens the file: a file handed over
    // after it is listed, and the late one is not.
    QCOMPARE(handOver({shelltest::writeTrack(folder, QStringLiteral("after.wav"))}), 0);
    QTRY_VERIFY_WITH_TIMEOUT(journal().contains("after.wav"), 20000);
    QVERIFY(!journal().contains("late.wav"));
}

// A state folder so deep that the socket's path exceeds a local socket's:
// the copy that runs says so, and a later start still meets its lock.
void TestStartAndExit::aSocketPathTooLong()
{
    testsupport::TempDir folder;
    const QByteArray state = QFile::encodeName(QString::fromStdString(folder.path().string())) + '/' + QByteArray(120, 'd');
    const QByteArray savedState = qgetenv("XDG_STATE_HOME");
    qputenv("XDG_STATE_HOME", state);
    const auto restore = qScopeGuard([&] { qputenv("XDG_STATE_HOME", savedState); });
    FakePrompts prompts;
    FakePrompts laterPrompts;
    int laterExit = -1;
    QTimer::singleShot(0, [&] {
        SingleInstance later;
        laterExit = startup::run(laterPrompts, later, {QStringLiteral("/a.wav")});
        QCoreApplication::exit(0);
    });
    SingleInstance running;
    QCOMPARE(startup::run(prompts, running), 0);
    QCOMPARE(prompts.messages.value(0).text,
             QStringLiteral("ﾌｧｲﾙを受け取るｿｹｯﾄ %1 を作れません。\r\n後から起動して開くﾌｧｲﾙは受け取れません").arg(running.handOverPath()));
    QCOMPARE(laterExit, 1);
}

void TestStartAndExit::commandLine_data()
{
    QTest::addColumn<CommandCase>("row");
    QTest::newRow("help, English") << CommandCase{{"--help"}, "en", 0, "[files...]"};
    QTest::newRow("help, Japanese") << CommandCase{{"-h"}, "ja", 0, "[ﾌｧｲﾙ...]"};
    QTest::newRow("version") << CommandCase{{"--version", "a.wav"}, "en", 0, "sonvelle " SONVELLE_PROJECT_VERSION "\n"};
    QTest::newRow("unknown option") << CommandCase{{"a.wav", "--bogus"}, "en", 2, "'bogus'"};
}

// Beside the running copy: none of these takes the lock.
void TestStartAndExit::commandLine()
{
    QFETCH(CommandCase, row);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("LANGUAGE"), row.language);
    if (row.exitCode == 0) {   // no window system: one that cannot start would end the program
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
        environment.remove(QStringLiteral("DISPLAY"));
    }
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(Program, row.arguments);
    QVERIFY(process.waitForFinished(20000));
    QCOMPARE(process.exitCode(), row.exitCode);
    const QByteArray errors = process.readAllStandardError();
    QCOMPARE(errors.count('\n'), row.exitCode == 0 ? 0 : 1);
    QVERIFY(QString::fromUtf8(row.exitCode == 0 ? process.readAllStandardOutput() : errors).contains(row.shown));
}

SONVELLE_QTEST_MAIN(TestStartAndExit)
#include "test_start_and_exit.moc"
