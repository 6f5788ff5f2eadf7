// The decode directory: chosen once per run, asked for before the first file
// that needs it, and kept when the chooser is cancelled.
#include "DecodeDirectory.h"
#include "FakeDirectories.h"
#include "FakePrompts.h"
#include "QtTestEnvironment.h"

class TestDecodeDirectory : public QObject {
    Q_OBJECT
private slots:
    void chooseAndAskFirst();
};

void TestDecodeDirectory::chooseAndAskFirst()
{
    FakePrompts prompts;
    FakeDirectories directories;
    DecodeDirectory directory(prompts, directories);

    // Cancelling the request leaves the directory unset and reports it.
    QVERIFY(!directory.EnsureChosen(nullptr));
    QCOMPARE(prompts.messages.size(), 1);
    QCOMPARE(prompts.messages[0].text, QStringLiteral("先にMP3ﾃﾞｺｰﾄﾞ･ﾃﾞｨﾚｸﾄﾘを設定してください"));
    QCOMPARE(prompts.messages[0].caption, QStringLiteral("CD-R簡単編集\"Sonvelle\""));
    QCOMPARE(prompts.messages[0].buttons, Prompts::Buttons::Ok);

    directories.answers << QStringLiteral("/music/decoded");
    QVERIFY(directory.EnsureChosen(nullptr));
    QCOMPARE(directory.path(), QStringLiteral("/music/decoded/"));
    QCOMPARE(directory.fileNamed(QStringLiteral("song.wav")), QStringLiteral("/music/decoded/song.wav"));

    // Once set, nothing is asked; the menu command starts in it, and a
    // cancel there keeps it.
    QVERIFY(directory.EnsureChosen(nullptr));
    directory.Choose(nullptr);
    QCOMPARE(directory.path(), QStringLiteral("/music/decoded/"));
    QCOMPARE(directories.startedIn, QStringList({"", "", "/music/decoded/"}));
    QCOMPARE(prompts.messages.size(), 2);
}

SONVELLE_QTEST_MAIN(TestDecodeDirectory)
#include "test_decode_directory.moc"
