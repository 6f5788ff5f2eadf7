// The write dialog fWrite against a stand-in cdrskin first on PATH, which
// answers in cdrskin's formats and records its runs: the copies' sequence
// with its questions and messages, the progress shown, a cancel and the
// program's end (the stand-in sees the abort; no process is left), no drive
// and a drive the user may not open; and the command refusing a list whose
// files changed or whose texts the CD-TEXT cannot hold, before any run.
#include "DialogDriver.h"
#include "ShellFixture.h"
#include "QtTestEnvironment.h"
#include "WriteDialog.h"
#include "burn_messages.h"
#include "copies_sequence.h"
#include "disc_texts.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QProcess>
#include <QProgressBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QSpinBox>
#include <QTemporaryDir>

#include <grp.h>
#include <signal.h>
#include <sys/stat.h>

namespace {

using Answer = Prompts::Answer;

QString recordPath()
{
    return QString::fromLocal8Bit(qgetenv("STANDIN_RECORD"));
}

QStringList recorded()
{
    QFile file(recordPath());
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()).split(u'\n', Qt::SkipEmptyParts)
                                          : QStringList();
}

int runsWith(const QString& argument)
{
    int runs = 0;
    for (const QString& line : recorded())
        runs += line.startsWith(u"run ") && line.split(u' ').contains(argument);
    return runs;
}

// The process id of the stand-in's write run; 0 before there is one.
qint64 writePid()
{
    for (const QString& line : recorded()) {
        if (line.startsWith(u"run ") && line.split(u' ').contains(u"-sao"))
            return line.section(u' ', 1, 1).toLongLong();
    }
    return 0;
}

// The stand-in's answers for the sequence made next: it reads them from the
// environment the burner process copies when it is made.
void standIn(int drives, const char* medium, const char* write)
{
    QFile::remove(recordPath());
    QFile::remove(recordPath() + QStringLiteral(".finish"));
    qunsetenv("STANDIN_DEVICES");
    qputenv("STANDIN_DRIVES", QByteArray::number(drives));
    qputenv("STANDIN_MEDIUM", medium);
    qputenv("STANDIN_WRITE", write);
}

QStringList textsOf(const FakePrompts& prompts)
{
    QStringList result;
    for (const ShownMessage& message : prompts.messages)
        result << message.text;
    return result;
}

// A folder for device nodes that the user nobody may enter.
QString nodeFolder(const testsupport::TempDir& folder)
{
    chmod(folder.path().c_str(), 0711);
    return QString::fromStdString(folder.path().string());
}

// The drive's access as the user nobody has it, through the probe program:
// the tests run as the superuser, whom the kernel lets open every file.
NodeAccess asNobody(const QString& path)
{
    QProcess probe;
    probe.start(QStringLiteral(SONVELLE_NODE_PROBE), {QFileInfo(path).absolutePath(), QFileInfo(path).fileName()});
    probe.waitForFinished();
    const QStringList fields = QString::fromLocal8Bit(probe.readAllStandardOutput()).trimmed().split(u' ');
    return {fields.value(0) == u"1", fields.value(1) == u"1", fields.value(2)};
}

// How a write under way ends in endWhileWriting.
enum class Ending { Cancel, ProgramEnd, WrittenWhileAsked, ProgramEndWhileAsked };

struct Writer {
    FakePrompts prompts;
    testsupport::TempDir folder;
    CopiesSequence sequence;
    WriteDialog dialog;

    explicit Writer(DriveNodes nodes = {QStringLiteral("/nonexistent")})
        : sequence(prompts, nullptr, std::move(nodes))
        , dialog(sequence, 300, QString(), [this] { return job(); }, nullptr)
    {
    }

    std::optional<BurnJob> job() const
    {
        return BurnJob{{shelltest::writeTrack(folder, "1.wav"), shelltest::writeTrack(folder, "2.wav")}, {}, {}, "packs", 300};
    }

    template <typename Widget>
    Widget* child(const char* name) const { return dialog.findChild<Widget*>(QString::fromLatin1(name)); }

    QStringList texts() const { return textsOf(prompts); }

    void write(int copies)
    {
        QTRY_VERIFY(child<QPushButton>("cmdWrite")->isEnabled());
        child<QSpinBox>("txtCopies")->setValue(copies);
        child<QPushButton>("cmdWrite")->click();
    }
};

}  // namespace

class TestWriteDialog : public QObject {
    Q_OBJECT
private slots:
    void copies_data();
    void copies();
    void endWhileWriting_data();
    void endWhileWriting();
    void driveNotWritable();
    void driveOpenedByAcl();
    void notInstalled();
    void listToCommandLine();
    void listRefused_data();
    void listRefused();
};

void TestWriteDialog::copies_data()
{
    QTest::addColumn<QByteArray>("temporary");  // TMPDIR for the CD-TEXT file's folder; empty: the test's
    QTest::addColumn<QByteArray>("medium");
    QTest::addColumn<QByteArray>("write");
    QTest::addColumn<int>("copies");
    QTest::addColumn<QList<Answer>>("answers");
    QTest::addColumn<QStringList>("messages");
    QTest::addColumn<int>("writes");
    QTest::addColumn<int>("ejects");
    const QStringList fatal{QStringLiteral("cdrskin: FATAL : Write error on disc")};
    QTest::newRow("one copy") << QByteArray() << QByteArray("blank") << QByteArray("ok") << 1 << QList<Answer>()
                              << QStringList{burnmessages::summary(1, 0, false)} << 1 << 0;
    QTest::newRow("failure") << QByteArray() << QByteArray("blank") << QByteArray("fail") << 1 << QList<Answer>()
                             << QStringList{burnmessages::writeFailed(fatal)} << 1 << 0;
    QTest::newRow("two copies") << QByteArray() << QByteArray("blank") << QByteArray("ok") << 2 << QList<Answer>{Answer::Ok}
                                << QStringList{burnmessages::nextDisc(2, 2), burnmessages::summary(2, 0, false)} << 2 << 1;
    QTest::newRow("failure, then stop") << QByteArray() << QByteArray("blank") << QByteArray("fail") << 3 << QList<Answer>{Answer::No}
                                        << QStringList{burnmessages::writeFailedGoOn(fatal, 2, 3),
                                                       burnmessages::summary(0, 1, false)}
                                        << 1 << 0;
    QTest::newRow("not blank") << QByteArray() << QByteArray("written") << QByteArray("ok") << 1 << QList<Answer>{Answer::Cancel}
                               << QStringList{burnmessages::notBlank()} << 0 << 0;
    const QString one = burnmessages::summary(1, 0, false);
    QTest::newRow("no disc, then a disc") << QByteArray() << QByteArray("nodisc blank") << QByteArray("ok") << 1
                                          << QList<Answer>{Answer::Ok} << QStringList{burnmessages::noDisc(), one} << 1 << 0;
    QTest::newRow("CD-RW not blank") << QByteArray() << QByteArray("rewritable") << QByteArray("ok") << 1
                                     << QList<Answer>{Answer::Ok} << QStringList{burnmessages::confirmBlank(), one} << 1 << 0;
    QTest::newRow("disc too small") << QByteArray() << QByteArray("small") << QByteArray("ok") << 1
                                    << QList<Answer>{Answer::Cancel} << QStringList{burnmessages::tooSmall(300, 200)} << 0 << 0;
    QTest::newRow("failure, then go on") << QByteArray() << QByteArray("blank") << QByteArray("fail ok") << 2
                                         << QList<Answer>{Answer::Yes, Answer::Ok}
                                         << QStringList{burnmessages::writeFailedGoOn(fatal, 2, 2), burnmessages::nextDisc(2, 2),
                                                        burnmessages::summary(1, 1, false)} << 2 << 1;
    const QString file = QCoreApplication::applicationFilePath();  // a TMPDIR that is no folder
    const QString noFolder = QTemporaryDir(file + QStringLiteral("/x-XXXXXX")).errorString();
    QTest::newRow("no temporary folder") << QFile::encodeName(file) << QByteArray("blank") << QByteArray("ok") << 1
                                         << QList<Answer>() << QStringList{burnmessages::cdTextFileFailed(noFolder)} << 0 << 0;
}

void TestWriteDialog::copies()
{
    QFETCH(QByteArray, temporary);
    QFETCH(QByteArray, medium);
    QFETCH(QByteArray, write);
    QFETCH(int, copies);
    QFETCH(QList<Answer>, answers);
    standIn(1, medium, write);
    Writer writer;
    writer.prompts.answers = answers;
    const QByteArray ownTemporary = qgetenv("TMPDIR");
    const auto restore = qScopeGuard([ownTemporary] { qputenv("TMPDIR", ownTemporary); });
    if (!temporary.isEmpty())
        qputenv("TMPDIR", temporary);
    writer.write(copies);
    QTRY_VERIFY(!writer.sequence.Active());
    QTEST(writer.texts(), "messages");
    QTEST(runsWith(QStringLiteral("-sao")), "writes");
    QTEST(runsWith(QStringLiteral("-eject")), "ejects");
}

void TestWriteDialog::endWhileWriting_data()
{
    QTest::addColumn<Ending>("ending");
    QTest::addColumn<QStringList>("messages");
    QTest::addColumn<bool>("aborted");
    const QString question = burnmessages::confirmCancel(false);
    QTest::newRow("cancelled") << Ending::Cancel << QStringList{question, burnmessages::cancelled(false)} << true;
    QTest::newRow("the program's end") << Ending::ProgramEnd << QStringList() << true;
    QTest::newRow("written while asked") << Ending::WrittenWhileAsked << QStringList{question, burnmessages::summary(1, 0, false)} << false;
    QTest::newRow("the program's end while asked") << Ending::ProgramEndWhileAsked << QStringList{question} << true;
}

// The first of two copies, ended by the user's cancel or by the program's
// end (a termination signal or the desktop session's end reach the main
// window): the burner is waited for and nothing runs after it; a write that
// ends while the cancel question is open counts as written.
void TestWriteDialog::endWhileWriting()
{
    QFETCH(Ending, ending);
    QFETCH(QStringList, messages);
    standIn(1, "blank", "endless");
    shelltest::Shell shell;
    shell.openTracks(1);
    qint64 pid = 0;
    dialogdriver::whenShown(QStringLiteral("fWrite"), [&](QWidget* shown) {
        auto* dialog = static_cast<QDialog*>(shown);
        const auto closeAtEnd = qScopeGuard([dialog] { dialog->done(QDialog::Rejected); });
        const auto child = [dialog](const char* name) { return dialog->findChild<QWidget*>(QString::fromLatin1(name)); };
        auto* close = static_cast<QPushButton*>(child("cmdClose"));
        static_cast<QSpinBox*>(child("txtCopies"))->setValue(2);
        QTRY_VERIFY(child("cmdWrite")->isEnabled());
        static_cast<QPushButton*>(child("cmdWrite"))->click();
        QTRY_VERIFY((pid = writePid()) != 0);
        QTRY_COMPARE(static_cast<QLabel*>(child("lblBuffer"))->text(), burnmessages::bufferLine({1, 1, 2, 100, 50, 4.0}));
        QCOMPARE(static_cast<QLabel*>(child("lblSpeed"))->text(), burnmessages::speedLine({1, 1, 2, 100, 50, 4.0}));
        QCOMPARE(close->text(), QStringLiteral("中止"));
        shell.prompts.whileOpen = [&] {
            if (ending == Ending::ProgramEndWhileAsked)
                shell.window->EndWithoutAsking();
            if (ending != Ending::WrittenWhileAsked)
                return;
            QFile(recordPath() + QStringLiteral(".finish")).open(QIODevice::WriteOnly);
            QTRY_COMPARE(::kill(pid_t(pid), 0), -1);
        };
        if (ending == Ending::ProgramEnd)
            shell.window->EndWithoutAsking();
        else
            close->click();
        QTRY_COMPARE(textsOf(shell.prompts), messages);
    });
    shell.run(QStringLiteral("mnuFileWrite"));
    QCOMPARE(::kill(pid_t(pid), 0), -1);
    QTEST(recorded().contains(QStringLiteral("aborted")), "aborted");
}

void TestWriteDialog::driveNotWritable()
{
    if (geteuid() != 0)
        QSKIP("only the superuser can ask as another user (nobody), whose access the test sets");
    standIn(0, "blank", "ok");
    const testsupport::TempDir devices;
    const QString node = shelltest::writeTrack(devices, QStringLiteral("sr0"));
    QFile::setPermissions(node, QFile::ReadOwner | QFile::WriteOwner);
    Writer writer({nodeFolder(devices), asNobody});
    QTRY_COMPARE(writer.texts(), QStringList{burnmessages::notWritable(node, QString::fromLocal8Bit(getgrgid(getgid())->gr_name))});
    QFile::remove(node);
    writer.prompts.messages.clear();
    writer.child<QPushButton>("cmdRescan")->click();
    QTRY_COMPARE(writer.texts(), QStringList{burnmessages::noDrive()});
    QVERIFY(!writer.child<QPushButton>("cmdWrite")->isEnabled());
}

// A drive as a desktop's login manager leaves it, crw-rw----+ root with
// user:NAME:rw-, is written, though its mode bits alone would refuse it.
void TestWriteDialog::driveOpenedByAcl()
{
    if (geteuid() != 0)
        QSKIP("only the superuser can ask as another user (nobody), whose access the test sets");
    const testsupport::TempDir devices;
    const QString node = shelltest::writeTrack(devices, QStringLiteral("sr0"));
    chmod(QFile::encodeName(node).constData(), 0660);
    if (QProcess::execute(QStringLiteral("setfacl"), {QStringLiteral("-m"), QStringLiteral("u:nobody:rw-"), node}) != 0)
        QSKIP("setfacl (package acl) cannot give the build tree's files access control lists");
    standIn(1, "blank", "ok");
    qputenv("STANDIN_DEVICES", QFile::encodeName(nodeFolder(devices)));
    Writer writer({nodeFolder(devices), asNobody});
    writer.write(1);
    QTRY_VERIFY(!writer.sequence.Active());
    QCOMPARE(writer.texts(), QStringList{burnmessages::summary(1, 0, false)});
}

void TestWriteDialog::notInstalled()
{
    const QByteArray path = qgetenv("PATH");
    const auto restore = qScopeGuard([path] { qputenv("PATH", path); });
    qputenv("PATH", "/nonexistent");
    Writer writer;
    QTRY_COMPARE(writer.texts(), QStringList{burnmessages::notInstalled()});
}

// The list's files in order, its CD-TEXT and its codes reach the burner.
void TestWriteDialog::listToCommandLine()
{
    standIn(1, "blank", "ok");
    shelltest::Shell shell;
    shell.openTracks(2);
    CdTextSet edited = ResolveCdTexts(shell.list(), FileTitles(shell.list()), UnnamedDiscTitle());
    edited.disc.code = QStringLiteral("4901234567894");
    edited.tracks[1].code = QStringLiteral("JPAB01234567");
    StoreCdTexts(shell.list(), edited, FileTitles(shell.list()));
    dialogdriver::whenShown(QStringLiteral("fWrite"), [&shell](QWidget* shown) {
        auto* dialog = static_cast<QDialog*>(shown);
        const auto closeAtEnd = qScopeGuard([dialog] { dialog->done(QDialog::Rejected); });
        auto* write = dialog->findChild<QPushButton*>(QStringLiteral("cmdWrite"));
        QTRY_VERIFY(write->isEnabled());
        write->click();
        QTRY_COMPARE(shell.prompts.messages.size(), 1);
    });
    shell.run(QStringLiteral("mnuFileWrite"));
    const QStringList run = recorded().filter(QStringLiteral(" -sao ")).value(0).split(u' ');
    const QStringList tail = run.mid(run.indexOf(QStringLiteral("-pad")) + 1);
    QCOMPARE(tail, (QStringList{shell.list().TrackAt(1).path, QStringLiteral("isrc=JPAB01234567"), shell.list().TrackAt(2).path}));
    QVERIFY(run.contains(QStringLiteral("mcn=4901234567894")));
    QCOMPARE(run.filter(QRegularExpression(QStringLiteral("^textfile=.+/disc\\.cdt$"))).size(), 1);
}

void TestWriteDialog::listRefused_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("change");
    QTest::addColumn<QString>("fragment");
    const QString changed = QStringLiteral("No.1:\"1.wav\"のﾌｧｲﾙはﾘｽﾄで再生する内容と違っています。");
    QTest::newRow("changed file") << QStringLiteral("1.wav") << QByteArray("file") << changed;
    QTest::newRow("version not known") << QStringLiteral("1.wav") << QByteArray("version") << changed;
    QTest::newRow("refused character") << QStringLiteral("\U0001F600.wav") << QByteArray() << QStringLiteral("\U0001F600");
}

void TestWriteDialog::listRefused()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, change);
    QFETCH(QString, fragment);
    standIn(1, "blank", "ok");
    shelltest::Shell shell;
    const QString path = shelltest::writeTrack(shell.folder, name);
    shell.open({path});
    QCOMPARE(shell.list().TrackCount(), 1);
    if (change == "file")
        shelltest::writeTrack(shell.folder, name, 20000, 8820);
    if (change == "version")
        shell.list().TrackAt(1).version.reset();
    QVERIFY(shell.window->command(QStringLiteral("mnuFileWrite"))->isEnabled());
    shell.run(QStringLiteral("mnuFileWrite"));
    QCOMPARE(shell.prompts.messages.size(), 1);
    QVERIFY2(shell.prompts.messages.first().text.contains(fragment), qPrintable(shell.prompts.messages.first().text));
    QVERIFY(recorded().isEmpty());
}

static void useStandIn()
{
    qputenv("PATH", SONVELLE_STAND_IN_FOLDER ":" + qgetenv("PATH"));
    qputenv("STANDIN_RECORD", SONVELLE_STAND_IN_FOLDER "/../record.txt");
}

SONVELLE_QTEST_MAIN_WITH(TestWriteDialog, useStandIn())
#include "test_write_dialog.moc"
