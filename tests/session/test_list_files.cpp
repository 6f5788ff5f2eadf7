// List files through the main window's commands: a list saved, moved with
// its tracks and opened again, with a changed and a missing track named;
// CD-TEXT set in its dialog kept by undo, the list file and the journal;
// malformed list files refused with the list left as it was; a journal that
// cannot be written reported once while editing goes on.
#include "DialogDriver.h"
#include "QtTestEnvironment.h"
#include "SaveFilePrompt.h"
#include "ShellFixture.h"
#include "disc_texts.h"
#include "list_session.h"
#include "session_messages.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>

#include <sys/stat.h>

using namespace shelltest;

namespace {

class ChosenSave : public SaveFilePrompt {
public:
    explicit ChosenSave(QString path) : m_path(std::move(path)) {}
    QString saveFileName(QWidget*, const QString&, const QString&, const QString&) override { return m_path; }

private:
    QString m_path;
};

// Tracks as the list file writes them, every record field included.
QByteArray tracksText(const QList<Track>& tracks)
{
    return listfile::Encode(tracks, QStringLiteral("/"));
}

QByteArray trackText(const Track& track)
{
    return tracksText({track});
}

QByteArray listText(const PlayList& list)
{
    return tracksText(QList<Track>(list.TrackList().begin() + 1, list.TrackList().begin() + 1 + list.TrackCount()));
}

// A shell with three edited tracks under folder/tracks.
void openEdited(Shell& shell, const QString& folder)
{
    QDir().mkpath(folder + QStringLiteral("/tracks"));
    QStringList paths;
    for (int i = 1; i <= 3; ++i) {
        paths << folder + QStringLiteral("/tracks/%1.wav").arg(i);
        testsupport::writeFile(paths.last().toStdString(),
                               testsupport::makeWav(testsupport::silenceLoudSilence(4410, 4410 * i, 4410)));
    }
    shell.open(paths);
    shell.run(QStringLiteral("mnuEditLevelComp"));
    shell.run(QStringLiteral("mnuEditAutoMuteAll"));
}

void saveList(Shell& shell, const QString& path)
{
    ChosenSave save(path);
    ListSession saver(shell.list(), shell.prompts, save, nullptr, {}, path + QStringLiteral(".journal"));
    saver.SaveListCommand();
}

}  // namespace

class TestListFiles : public QObject {
    Q_OBJECT
private slots:
    void init() { clearSettings(); }
    void movedListOpensAndNamesChangedAndMissingTracks();
    void malformedListLeavesListUntouched_data();
    void malformedListLeavesListUntouched();
    void journalFailureIsReportedOnce();
    void cdTextsSurviveUndoTheListFileAndTheJournal();
    void codesBreakingTheirRulesAreDropped_data();
    void codesBreakingTheirRulesAreDropped();
};

void TestListFiles::movedListOpensAndNamesChangedAndMissingTracks()
{
    Shell shell;
    const QString before = QString::fromStdString((shell.folder / "before").string());
    const QString after = QString::fromStdString((shell.folder / "after").string());
    openEdited(shell, before);
    saveList(shell, before + QStringLiteral("/disc"));
    QVERIFY(QDir().rename(before, after));
    testsupport::writeFile((after + QStringLiteral("/tracks/2.wav")).toStdString(),
                           testsupport::makeWav(testsupport::silenceLoudSilence(4410, 8000, 4410)));
    QVERIFY(QFile::remove(after + QStringLiteral("/tracks/3.wav")));
    Track expected = shell.list().TrackAt(1);
    expected.path = after + QStringLiteral("/tracks/1.wav");
    shell.window.reset();  // one window at a time writes the journal

    Shell other;
    other.prompts.chosenFiles << QStringList{after + QStringLiteral("/disc.sonvelle")};
    other.run(QStringLiteral("mnuFileListOpen"));

    // Track 1 comes back with its edits; track 2 is analysed afresh.
    const Track& reanalysed = other.list().TrackAt(2);
    QCOMPARE(other.titles(), QStringList({"1.wav", "2.wav"}));
    QCOMPARE(trackText(other.list().TrackAt(1)), trackText(expected));
    QCOMPARE(reanalysed.record.levelPercent, 100);
    QCOMPARE(other.prompts.messages.size(), 1);
    QCOMPARE(other.prompts.messages[0].text,
             sessionmessages::openReport({{after + QStringLiteral("/tracks/2.wav"), TrackVerdict::Changed, true},
                                          {after + QStringLiteral("/tracks/3.wav"), TrackVerdict::Missing, false}}));
}

void TestListFiles::malformedListLeavesListUntouched_data()
{
    QTest::addColumn<QByteArray>("contents");
    QTest::addColumn<int>("refusal");   // -1: the file cannot be read at all

    QJsonObject record;
    for (const char* name : {"dataBytes", "riffBytes", "dataOffset", "preMutePoint", "postMutePoint",
                             "preMuteBytes", "soundBytes", "postMuteBytes", "levelPercent", "peakValue",
                             "peakOffset", "muteAdjustBytes", "color", "origPreMutePoint", "origPostMutePoint",
                             "preDigitalMute", "postDigitalMute", "fadeInEnd", "fadeInBytes", "fadeOutStart",
                             "fadeOutBytes", "fadeInCurve", "fadeOutCurve"})
        record.insert(QLatin1String(name), 0);
    const QJsonObject track{{"path", "a.wav"}, {"size", 100}, {"modified", 5}, {"title", "a.wav"},
                            {"record", record}};
    const auto list = [](const QJsonArray& tracks, int version = 1) {
        return QJsonDocument(QJsonObject{{"format", "sonvelle-list"}, {"version", version}, {"tracks", tracks}})
            .toJson();
    };
    const auto with = [&](const char* key, const QJsonValue& value) {
        QJsonObject changed = track;
        changed.insert(QLatin1String(key), value);
        return list({changed});
    };
    QJsonObject overflowing = record;
    overflowing.insert(QLatin1String("dataBytes"), 4294967296.0);
    QByteArray garbage(listfile::MaxBytes + 1, '\0');
    uint32_t seed = 7;
    for (char& byte : garbage)
        byte = char((seed = seed * 1664525u + 1013904223u) >> 24);
    garbage[0] = 'G';
    QJsonArray many;
    for (int i = 0; i < 31; ++i)
        many.append(track);
    using R = listfile::Refusal;

    QTest::newRow("empty file") << QByteArray() << int(R::NotListFile);
    QTest::newRow("garbage past the size limit") << garbage << int(R::NotListFile);
    QTest::newRow("other JSON") << QByteArray(R"({"tracks": []})") << int(R::NotListFile);
    QTest::newRow("truncated") << list({track}).chopped(40) << int(R::Malformed);
    QTest::newRow("size as text") << with("size", "100") << int(R::Malformed);
    QTest::newRow("negative size") << with("size", -1) << int(R::Malformed);
    QTest::newRow("path missing") << with("path", QJsonValue()) << int(R::Malformed);
    QTest::newRow("record field beyond 32 bits") << with("record", overflowing) << int(R::Malformed);
    QTest::newRow("record as a list") << with("record", QJsonArray{1, 2}) << int(R::Malformed);
    QTest::newRow("version from the future") << list({track}, listfile::Version + 1) << int(R::FutureVersion);
    QTest::newRow("31 tracks") << list(many) << int(R::TooManyTracks);
    QTest::newRow("a folder") << QByteArray("folder") << -1;
    QTest::newRow("a FIFO") << QByteArray("fifo") << -1;
}

void TestListFiles::malformedListLeavesListUntouched()
{
    QFETCH(QByteArray, contents);
    QFETCH(int, refusal);
    Shell shell;
    openEdited(shell, QString::fromStdString(shell.folder.path().string()));
    const QByteArray before = listText(shell.list());
    const QString path = QString::fromStdString((shell.folder / "bad.sonvelle").string());
    if (contents == "folder")
        QVERIFY(QDir().mkpath(path));
    else if (contents == "fifo")
        QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    else
        testsupport::writeFile(path.toStdString(), std::vector<uint8_t>(contents.begin(), contents.end()));
    shell.prompts.messages.clear();

    shell.prompts.chosenFiles << QStringList{path};
    shell.run(QStringLiteral("mnuFileListOpen"));

    QCOMPARE(listText(shell.list()), before);
    QCOMPARE(shell.prompts.messages.size(), 1);
    QCOMPARE(shell.prompts.messages[0].text,
             refusal < 0 ? sessionmessages::unreadable(QStringLiteral("bad.sonvelle"))
                         : sessionmessages::refused(QStringLiteral("bad.sonvelle"), listfile::Refusal(refusal)));
}

void TestListFiles::journalFailureIsReportedOnce()
{
    // A state "directory" that is a file: the journal's folder cannot be made.
    const QByteArray saved = qgetenv("XDG_STATE_HOME");
    testsupport::TempDir folder;
    testsupport::writeFile(folder / "state", {1});
    qputenv("XDG_STATE_HOME", (folder / "state").c_str());
    Shell shell;
    qputenv("XDG_STATE_HOME", saved);

    openEdited(shell, QString::fromStdString(folder.path().string()));
    shell.window->session().KeepOrRemoveJournal();
    shell.run(QStringLiteral("mnuEditLevelComp"));
    shell.window->session().KeepOrRemoveJournal();
    QCoreApplication::processEvents();

    QCOMPARE(shell.list().TrackAt(1).record.levelPercent, 81);
    QCOMPARE(shell.prompts.messages.size(), 1);
    QVERIFY(shell.prompts.messages[0].text.startsWith(u"編集内容の控えを書き込めません"));
}

void TestListFiles::cdTextsSurviveUndoTheListFileAndTheJournal()
{
    Shell shell;
    const QString folder = QString::fromStdString(shell.folder.path().string());
    openEdited(shell, folder);
    // Track 2's performer and composer, its ISRC and the disc's catalog number
    // as typed.
    const auto edit = [&shell](const QString& discTitle, const QString& performer, const QString& isrc,
                               const QString& catalog) {
        dialogdriver::whenShown(QStringLiteral("fCdText"), [=](QWidget* dialog) {
            dialog->findChild<QLineEdit*>(QStringLiteral("txtDiscTitle"))->setText(discTitle);
            dialog->findChild<QLineEdit*>(QStringLiteral("txtDiscCatalog"))->setText(catalog);
            auto* grid = dialog->findChild<QTableWidget*>(QStringLiteral("grdTracks"));
            grid->item(1, 2)->setText(performer);
            grid->item(1, 4)->setText(performer);
            grid->item(1, 6)->setText(isrc);
            dialog->findChild<QPushButton*>(QStringLiteral("cmdOK"))->click();
        });
        shell.run(QStringLiteral("mnuEditCdText"));
    };
    const auto textsOf = [](const PlayList& list) { return ResolveCdTexts(list, FileTitles(list), QString()); };
    edit(QStringLiteral("朝の歌集"), QStringLiteral("Ann"), QStringLiteral("jp-a1f-26-00001"),
         QStringLiteral("036000291452"));
    const CdTextSet edited = textsOf(shell.list());
    edit(QStringLiteral("Other"), QStringLiteral("Bob"), QString(), QString());
    shell.run(QStringLiteral("mnuEditBack"));
    QCOMPARE(edited, textsOf(shell.list()));
    QCOMPARE(edited, CdTextSet({{"朝の歌集", "", "", "", "", "", "0036000291452"},
                                {{"1", ""}, {"2", "Ann", "", "Ann", "", "", "JPA1F2600001"}, {"3", ""}}}));

    saveList(shell, folder + QStringLiteral("/disc"));
    shell.window->session().KeepOrRemoveJournal();
    QFile journal(JournalWriter::DefaultPath());
    QVERIFY(journal.open(QIODevice::ReadOnly));
    const listfile::Decoded decoded = listfile::Decode(journal.readAll(), folder);
    QCOMPARE(decoded.disc, shell.list().DiscText());
    QCOMPARE(decoded.tracks.value(1).texts, shell.list().TrackAt(2).texts);

    // One window at a time writes the journal: the first goes before the
    // list file is opened in another.
    shell.window.reset();
    Shell other;
    other.prompts.chosenFiles << QStringList{folder + QStringLiteral("/disc.sonvelle")};
    other.run(QStringLiteral("mnuFileListOpen"));
    QCOMPARE(textsOf(other.list()), edited);
}

void TestListFiles::codesBreakingTheirRulesAreDropped_data()
{
    QTest::addColumn<bool>("journal");
    QTest::newRow("list file") << false;
    QTest::newRow("journal") << true;
}

// Codes edited in the file by hand: the valid one is kept in its stored
// form, the others are dropped and named, and every track opens.
void TestListFiles::codesBreakingTheirRulesAreDropped()
{
    QFETCH(bool, journal);
    Shell shell;
    const QString folder = QString::fromStdString(shell.folder.path().string());
    openEdited(shell, folder);
    QList<Track> tracks(shell.list().TrackList().begin() + 1, shell.list().TrackList().begin() + 4);
    tracks[0].texts.isrc = QStringLiteral("jp-a1f-26-00001");
    tracks[1].texts.isrc = QStringLiteral("JPA1F26");
    tracks[2].texts.albumCatalog = QStringLiteral("4901234567890");
    DiscTexts disc;
    disc.catalog = QStringLiteral("ABC");
    const QString path = journal ? JournalWriter::DefaultPath() : folder + QStringLiteral("/codes.sonvelle");
    shell.window.reset();
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(listfile::Encode(tracks, QFileInfo(path).absolutePath(), disc)) > 0);
    file.close();

    Shell other;
    other.prompts.chosenFiles << QStringList{path};
    if (journal)
        other.window->session().Restore();
    else
        other.run(QStringLiteral("mnuFileListOpen"));
    using Field = listfile::DroppedCode::Field;
    QCOMPARE(other.prompts.messages.value(0).text,
             sessionmessages::droppedCodes(QFileInfo(path).fileName(),
                                           {{2, QStringLiteral("2.wav"), Field::Isrc, QStringLiteral("JPA1F26")},
                                            {3, QStringLiteral("3.wav"), Field::AlbumCatalog, QStringLiteral("4901234567890")},
                                            {0, {}, Field::Catalog, QStringLiteral("ABC")}}));
    QCOMPARE(other.titles(), QStringList({"1.wav", "2.wav", "3.wav"}));
    QCOMPARE(other.list().TrackAt(1).texts.isrc, QStringLiteral("JPA1F2600001"));
    QCOMPARE(other.list().TrackAt(2).texts.isrc + other.list().TrackAt(3).texts.albumCatalog, QString());
    QVERIFY(!other.list().DiscText().catalog);
}

SONVELLE_QTEST_MAIN(TestListFiles)
#include "test_list_files.moc"
