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
#include <QProgressBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QSpinBox>

#include <grp.h>
#include <signal.h>

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
    qputenv("STANDIN_DRIVES", QByteArray::number(drives));
    qputenv("STANDIN_MEDIUM", medium);
    qputenv("STANDIN_WRITE", write);
}

struct Writer {
    FakePrompts prompts;
    testsupport::TempDir folder;
    CopiesSequence sequence;
    WriteDialog dialog;

    explicit Writer(DriveNodes nodes = {QStringLiteral("/nonexistent"), {}})
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

    QStringList texts() const
    {
        QStringList result;
        for (const ShownMessage& message : prompts.messages)
            result << message.text;
        return result;
    }

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
    void progressAndCancel();
    void programEnd();
    void windowEnd();
    void driveNotWritable();
    void notInstalled();
    void listToCommandLine();
    void listRefused_data();
    void listRefused();
};

void TestWriteDialog::copies_data()
{
    QTest::addColumn<QByteArray>("medium");
    QTest::addColumn<QByteArray>("write");
    QTest::addColumn<int>("copies");
    QTest::addColumn<QList<Answer>>("answers");
    QTest::addColumn<QStringList>("messages");
    QTest::addColumn<int>("writes");
    QTest::addColumn<int>("ejects");
    const QStringList fatal{QStringLiteral("cdrskin: FATAL : Write error on disc")};
    QTest::newRow("one copy") << QByteArray("blank") << QByteArray("ok") << 1 << QList<Answer>()
                              << QStringList{burnmessages::summary(1, 0, false)} << 1 << 0;
    QTest::newRow("failure") << QByteArray("blank") << QByteArray("fail") << 1 << QList<Answer>()
                             << QStringList{burnmessages::writeFailed(fatal)} << 1 << 0;
    QTest::newRow("two copies") << QByteArray("blank") << QByteArray("ok") << 2 << QList<Answer>{Answer::Ok}
                                << QStringList{burnmessages::nextDisc(2, 2), burnmessages::summary(2, 0, false)} << 2 << 1;
    QTest::newRow("failure, then stop") << QByteArray("blank") << QByteArray("fail") << 3 << QList<Answer>{Answer::No}
                                        << QStringList{burnmessages::writeFailedGoOn(fatal, 2, 3),
                                                       burnmessages::summary(0, 1, false)}
                                        << 1 << 0;
    QTest::newRow("not blank") << QByteArray("written") << QByteArray("ok") << 1 << QList<Answer>{Answer::Cancel}
                               << QStringList{burnmessages::notBlank()} << 0 << 0;
}

void TestWriteDialog::copies()
{
    QFETCH(QByteArray, medium);
    QFETCH(QByteArray, write);
    QFETCH(int, copies);
    QFETCH(QList<Answer>, answers);
    standIn(1, medium, write);
    Writer writer;
    writer.prompts.answers = answers;
    writer.write(copies);
    QTRY_VERIFY(!writer.sequence.Active());
    QTEST(writer.texts(), "messages");
    QTEST(runsWith(QStringLiteral("-sao")), "writes");
    QTEST(runsWith(QStringLiteral("-eject")), "ejects");
}

void TestWriteDialog::progressAndCancel()
{
    standIn(1, "blank", "endless");
    Writer writer;
    writer.write(1);
    QTRY_VERIFY(writePid() != 0);
    const qint64 pid = writePid();
    QTRY_COMPARE(writer.child<QLabel>("lblBuffer")->text(), burnmessages::bufferLine({1, 1, 2, 100, 50, 4.0}));
    QCOMPARE(writer.child<QLabel>("lblSpeed")->text(), burnmessages::speedLine({1, 1, 2, 100, 50, 4.0}));
    QCOMPARE(writer.child<QPushButton>("cmdClose")->text(), QStringLiteral("中止"));
    writer.prompts.answers << Answer::Ok;
    writer.child<QPushButton>("cmdClose")->click();
    QTRY_VERIFY(!writer.sequence.Active());
    QCOMPARE(writer.texts(), (QStringList{burnmessages::confirmCancel(false), burnmessages::cancelled(false)}));
    QVERIFY(recorded().contains(QStringLiteral("aborted")));
    QCOMPARE(::kill(pid_t(pid), 0), -1);
}

void TestWriteDialog::programEnd()
{
    standIn(1, "blank", "endless");
    Writer writer;
    writer.write(1);
    QTRY_VERIFY(writePid() != 0);
    const qint64 pid = writePid();
    writer.sequence.Stop();
    QVERIFY(recorded().contains(QStringLiteral("aborted")));
    QCOMPARE(::kill(pid_t(pid), 0), -1);
    QVERIFY(writer.prompts.messages.isEmpty());
}

// The main window's end while the dialog writes: the burner is stopped from
// the window's side, before the dialog is gone.
void TestWriteDialog::windowEnd()
{
    standIn(1, "blank", "endless");
    shelltest::Shell shell;
    shell.openTracks(1);
    dialogdriver::whenShown(QStringLiteral("fWrite"), [&shell](QWidget* shown) {
        auto* dialog = static_cast<QDialog*>(shown);
        const auto closeAtEnd = qScopeGuard([dialog] { dialog->done(QDialog::Rejected); });
        auto* write = dialog->findChild<QPushButton*>(QStringLiteral("cmdWrite"));
        QTRY_VERIFY(write->isEnabled());
        write->click();
        QTRY_VERIFY(writePid() != 0);
        shell.window->EndWithoutAsking();
        QVERIFY(recorded().contains(QStringLiteral("aborted")));
    });
    shell.run(QStringLiteral("mnuFileWrite"));
    QCOMPARE(::kill(pid_t(writePid()), 0), -1);
}

void TestWriteDialog::driveNotWritable()
{
    standIn(0, "blank", "ok");
    const testsupport::TempDir devices;
    const QString node = shelltest::writeTrack(devices, QStringLiteral("sr0"));
    QFile::setPermissions(node, QFile::ReadOwner | QFile::WriteOwner);
    Writer writer({QString::fromStdString(devices.path().string()), {getuid() + 1, {}}});
    QTRY_COMPARE(writer.texts(), QStringList{burnmessages::notWritable(node, QString::fromLocal8Bit(getgrgid(getgid())->gr_name))});
    QFile::remove(node);
    writer.prompts.messages.clear();
    writer.child<QPushButton>("cmdRescan")->click();
    QTRY_COMPARE(writer.texts(), QStringList{burnmessages::noDrive()});
    QVERIFY(!writer.child<QPushButton>("cmdWrite")->isEnabled());
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
    QTest::addColumn<bool>("changeFile");
    QTest::addColumn<QString>("fragment");
    QTest::newRow("changed file") << QStringLiteral("1.wav") << true << QStringLiteral("のﾌｧｲﾙはﾘｽﾄで再生する内容と違っています。");
    QTest::newRow("refused character") << QStringLiteral("\U0001F600.wav") << false << QStringLiteral("\U0001F600");
}

void TestWriteDialog::listRefused()
{
    QFETCH(QString, name);
    QFETCH(bool, changeFile);
    QFETCH(QString, fragment);
    standIn(1, "blank", "ok");
    shelltest::Shell shell;
    const QString path = shelltest::writeTrack(shell.folder, name);
    shell.open({path});
    QCOMPARE(shell.list().TrackCount(), 1);
    if (changeFile)
        shelltest::writeTrack(shell.folder, name, 20000, 8820);
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
