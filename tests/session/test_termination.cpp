// The program ends in order on SIGTERM, as a log-off ends it: by itself,
// without asking, with the window places stored and the journal of
// its unsaved list kept for the next start.
#include "QtTestEnvironment.h"
#include "journal_writer.h"
#include "temp_dir.h"
#include "wav_builder.h"

#include <QProcess>
#include <QSettings>

#include <csignal>

class TestTermination : public QObject {
    Q_OBJECT
private slots:
    void sigtermStoresPlacesAndKeepsJournal();
};

void TestTermination::sigtermStoresPlacesAndKeepsJournal()
{
    testsupport::TempDir folder;
    const QString track = QString::fromStdString((folder / "1.wav").string());
    testsupport::writeFile(track.toStdString(), testsupport::makeWav(testsupport::silenceLoudSilence(4410, 4410, 4410)));
    const QString journal = JournalWriter::DefaultPath();
    QFile::remove(journal);

    QProcess program;
    program.start(QStringLiteral(SONVELLE_EXECUTABLE), {track});
    QVERIFY(program.waitForStarted());
    // The opened track is an unsaved change: the journal appears.
    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(journal), 20000);

    ::kill(pid_t(program.processId()), SIGTERM);
    // The bound only guards against a hang: the exit itself is waited for.
    QVERIFY(program.waitForFinished(60000));
    QCOMPARE(program.exitStatus(), QProcess::NormalExit);
    QCOMPARE(program.exitCode(), 0);
    const QSettings stored(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("SVL"));
    for (const char* key : {"fPlayList/Top", "fPlayList/Height", "fPlayBar/Width", "fFadeInEditer/Top", "Etc/AutoMute"})
        QVERIFY2(stored.contains(QLatin1String(key)), key);
    QVERIFY(QFile::exists(journal));
}

SONVELLE_QTEST_MAIN(TestTermination)
#include "test_termination.moc"
