// The session's life as the user meets it, one row per case: three edited
// tracks, something happens (files go missing at a restore, a save stops
// part way, a file is replaced between edits, a file dates from 1960, the
// journal comes from a newer version), the program ends as a signal ends it.
// Each row judges only the outcome: the journal left on disk and the list
// the next start restores from it.
#include "QtTestEnvironment.h"
#include "ShellFixture.h"
#include "list_session.h"

#include <utime.h>

using namespace shelltest;

namespace {

using Scenario = std::function<void(const QString& tracks)>;

QString trackPath(const QString& tracks, int i)
{
    return tracks + QStringLiteral("/%1.wav").arg(i);
}

void writeTracks(const QString& tracks)
{
    QDir().mkpath(tracks);
    for (int i = 1; i <= 3; ++i)
        testsupport::writeFile(trackPath(tracks, i).toStdString(),
                               testsupport::makeWav(testsupport::silenceLoudSilence(4410, 4410 * i, 4410)));
}

// A run of the program: a journal offered at its start is restored (Yes);
// then the run does its part and ends, as on a signal, when the window goes.
void run(const std::function<void(Shell&)>& part = [](Shell&) {})
{
    Shell shell;
    shell.prompts.answers << Prompts::Answer::Yes;
    if (ListSession::AskRestore(shell.prompts))
        shell.window->RestoreJournal();
    shell.prompts.answers.clear();
    part(shell);
}

// Opens the three tracks and compresses their levels (to 90 %).
void openEdited(Shell& shell, const QString& tracks)
{
    shell.open({trackPath(tracks, 1), trackPath(tracks, 2), trackPath(tracks, 3)});
    shell.run(QStringLiteral("mnuEditLevelComp"));
}

QList<int> restoredLevels()
{
    QList<int> levels;
    run([&](Shell& shell) {
        for (int i = 1; i <= shell.list().TrackCount(); ++i)
            levels << shell.list().TrackAt(i).record.levelPercent;
    });
    return levels;
}

int journalsSetAside()
{
    const QFileInfo journal(JournalWriter::DefaultPath());
    return journal.dir().entryList({QStringLiteral("journal-*.sonvelle")}, QDir::Files).size();
}

}  // namespace

Q_DECLARE_METATYPE(Scenario)

class TestSessionLife : public QObject {
    Q_OBJECT
private slots:
    void endsWithEveryEditKept_data();
    void endsWithEveryEditKept();
};

void TestSessionLife::endsWithEveryEditKept_data()
{
    QTest::addColumn<Scenario>("scenario");
    QTest::addColumn<QList<int>>("levels");   // of the list the next start restores
    QTest::addColumn<int>("setAside");        // journals moved aside under a dated name

    QTest::newRow("tracks missing at a restore") << Scenario([](const QString& tracks) {
        run([&](Shell& shell) { openEdited(shell, tracks); });
        QVERIFY(QDir().rename(tracks, tracks + QStringLiteral(".unmounted")));
        run();
        run();
        QVERIFY(QDir().rename(tracks + QStringLiteral(".unmounted"), tracks));
    }) << QList<int>{90, 90, 90} << 0;

    QTest::newRow("a save stopped part way, then a signal") << Scenario([](const QString& tracks) {
        QVERIFY(QDir().mkpath(tracks + QStringLiteral("/M02_2.wav")));
        run([&](Shell& shell) {
            openEdited(shell, tracks);
            shell.prompts.answers = {Prompts::Answer::Ok};
            shell.run(QStringLiteral("mnuFileSave"));
        });
    }) << QList<int>{100, 100, 90} << 0;

    QTest::newRow("a file replaced between edits") << Scenario([](const QString& tracks) {
        run([&](Shell& shell) {
            openEdited(shell, tracks);
            shell.window->session().KeepOrRemoveJournal();
            testsupport::writeFile(trackPath(tracks, 1).toStdString(),
                                   testsupport::makeWav(testsupport::silenceLoudSilence(4410, 8820, 4410, 20000)));
            shell.run(QStringLiteral("mnuEditLevelComp"));
        });
    }) << QList<int>{100, 81, 81} << 0;

    QTest::newRow("a track dated 1960") << Scenario([](const QString& tracks) {
        const utimbuf times{-315619200, -315619200};
        QCOMPARE(::utime(QFile::encodeName(trackPath(tracks, 2)).constData(), &times), 0);
        run([&](Shell& shell) { openEdited(shell, tracks); });
    }) << QList<int>{90, 90, 90} << 0;

    QTest::newRow("a journal from a newer version") << Scenario([](const QString&) {
        QDir().mkpath(QFileInfo(JournalWriter::DefaultPath()).absolutePath());
        QFile journal(JournalWriter::DefaultPath());
        QVERIFY(journal.open(QIODevice::WriteOnly));
        journal.write(R"({"format": "sonvelle-list", "version": 9, "tracks": []})");
    }) << QList<int>{} << 1;
}

void TestSessionLife::endsWithEveryEditKept()
{
    QFETCH(Scenario, scenario);
    QFETCH(QList<int>, levels);
    QFETCH(int, setAside);
    testsupport::TempDir folder;
    const QString journalFolder = QFileInfo(JournalWriter::DefaultPath()).absolutePath();
    QDir(journalFolder).removeRecursively();

    const QString tracks = QString::fromStdString((folder / "tracks").string());
    writeTracks(tracks);
    scenario(tracks);

    QCOMPARE(restoredLevels(), levels);
    QCOMPARE(journalsSetAside(), setAside);
}

SONVELLE_QTEST_MAIN(TestSessionLife)
#include "test_session_life.moc"
