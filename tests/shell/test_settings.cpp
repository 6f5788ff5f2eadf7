// Setting texts, the settings file, window places and the single-instance
// lock.
#include "QtTestEnvironment.h"
#include "SettingsStore.h"
#include "SingleInstance.h"
#include "StoredText.h"
#include "journal_writer.h"

#include <QProcess>
#include <QSettings>

#include <sys/stat.h>

class TestSettings : public QObject {
    Q_OBJECT
private slots:
    void init();
    void floatTexts_data();
    void floatTexts();
    void boolTexts_data();
    void boolTexts();
    void integerTexts_data();
    void integerTexts();
    void emptyStoreGivesDefaults();
    void unreadableValuesGiveDefaults();
    void curveExponentsAreLimited_data();
    void curveExponentsAreLimited();
    void writesTheTextForms();
    void placementCheck_data();
    void placementCheck();
    void secondLockIsRefused();
    void leftLockFilesDoNotRefuse_data();
    void leftLockFilesDoNotRefuse();
    void aKilledCopysLockIsReleased();
    void aSettingsFileThatIsNoFileIsLeftAlone();

private:
    void store(const QString& key, const QString& value);
};

void TestSettings::init()
{
    QFile::remove(SettingsStore().fileName());
}

void TestSettings::store(const QString& key, const QString& value)
{
    QSettings raw(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("SVL"));
    raw.setValue(key, value);
}

void TestSettings::floatTexts_data()
{
    QTest::addColumn<float>("value");
    QTest::addColumn<QString>("text");
    QTest::newRow("0.6") << 0.6f << "0.6";
    QTest::newRow("1.8") << 1.8f << "1.8";
    QTest::newRow("0.1") << 0.1f << "0.1";
    QTest::newRow("whole") << 4935.0f << "4935";
    QTest::newRow("half") << 1234.5f << "1234.5";
    QTest::newRow("negative") << -5000.0f << "-5000";
    QTest::newRow("zero") << 0.0f << "0";
}

void TestSettings::floatTexts()
{
    QFETCH(float, value);
    QFETCH(QString, text);
    QCOMPARE(storedtext::fromFloat(value), text);
    QCOMPARE(storedtext::toFloat(text, -1), value);
}

void TestSettings::boolTexts_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("fallback");
    QTest::addColumn<bool>("value");
    QTest::newRow("True") << "True" << false << true;
    QTest::newRow("False") << "False" << true << false;
    QTest::newRow("lower case") << "true" << false << true;
    QTest::newRow("-1") << "-1" << false << true;
    QTest::newRow("0") << "0" << true << false;
    QTest::newRow("fraction") << "0.5" << false << true;
    QTest::newRow("other text") << "yes" << true << true;
    QTest::newRow("other text, false default") << "yes" << false << false;
    QTest::newRow("empty") << "" << true << true;
}

void TestSettings::boolTexts()
{
    QFETCH(QString, text);
    QFETCH(bool, fallback);
    QFETCH(bool, value);
    QCOMPARE(storedtext::toBool(text, fallback), value);
}

void TestSettings::integerTexts_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("value");
    QTest::newRow("plain") << "450" << 450;
    QTest::newRow("blanks") << " 12 " << 12;
    QTest::newRow("half to even, down") << "2.5" << 2;
    QTest::newRow("half to even, up") << "3.5" << 4;
    QTest::newRow("letters") << "3OO" << 300;
    QTest::newRow("beyond 32 bits") << "3000000000" << 300;
    QTest::newRow("not finite") << "inf" << 300;
}

void TestSettings::integerTexts()
{
    QFETCH(QString, text);
    QFETCH(int, value);
    QCOMPARE(storedtext::toInt32(text, 300), value);
}

void TestSettings::emptyStoreGivesDefaults()
{
    const Settings settings = SettingsStore().readSettings();
    QVERIFY(settings.ReadPeak);
    QVERIFY(settings.AutoLevel);
    QCOMPARE(settings.AutoMute, 300);
    QCOMPARE(settings.FadeInEnv, 0.6f);
    QCOMPARE(settings.FadeOutEnv, 1.8f);
    const WindowPlacement place = SettingsStore().readPlacement("fPlayList", "Height", {0, 0, 4935});
    QCOMPARE(place.extent, 4935.0f);
    QVERIFY(!QFile::exists(SettingsStore().fileName()));
}

void TestSettings::unreadableValuesGiveDefaults()
{
    store("Etc/ReadPeak", "Maybe");
    store("Etc/AutoLevel", "0");
    store("Etc/AutoMute", "four seconds");
    store("Etc/FadeInEnv", "nan");
    store("fPlayList/Top", "high");
    store("fPlayList/Left", "1,5");
    const Settings settings = SettingsStore().readSettings();
    QVERIFY(settings.ReadPeak);
    QVERIFY(!settings.AutoLevel);
    QCOMPARE(settings.AutoMute, 300);
    QCOMPARE(settings.FadeInEnv, 0.6f);
    const WindowPlacement place = SettingsStore().readPlacement("fPlayList", "Height", {7, 8, 4935});
    QCOMPARE(place.top, 7.0f);
    QCOMPARE(place.left, 8.0f);
}

void TestSettings::curveExponentsAreLimited_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<float>("value");
    QTest::newRow("below") << "0.01" << 0.1f;
    QTest::newRow("above") << "5" << 3.0f;
    QTest::newRow("negative") << "-2" << 0.1f;
    QTest::newRow("inside") << "2.4" << 2.4f;
}

void TestSettings::curveExponentsAreLimited()
{
    QFETCH(QString, text);
    QFETCH(float, value);
    store("Etc/FadeInEnv", text);
    store("Etc/FadeOutEnv", text);
    const Settings settings = SettingsStore().readSettings();
    QCOMPARE(settings.FadeInEnv, value);
    QCOMPARE(settings.FadeOutEnv, value);
}

void TestSettings::writesTheTextForms()
{
    Settings settings;
    settings.AutoMute = 450;
    settings.AutoLevel = false;
    settings.FadeInEnv = 0.7f;
    SettingsStore store;
    store.writePlacement("fPlayList", "Height", {600, 1234.5f, 6000});
    store.writeSettings(settings);

    QFile file(store.fileName());
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(file.readAll());
    for (const char* line : {"[Etc]", "AutoMute=450", "AutoLevel=False", "ReadPeak=True", "FadeInEnv=0.7",
                             "FadeOutEnv=1.8", "[fPlayList]", "Top=600", "Left=1234.5", "Height=6000"})
        QVERIFY2(text.contains(QString::fromLatin1(line)), line);
    QCOMPARE(SettingsStore().readSettings().FadeInEnv, 0.7f);
}

void TestSettings::placementCheck_data()
{
    QTest::addColumn<float>("top");
    QTest::addColumn<float>("left");
    QTest::addColumn<float>("placedTop");
    QTest::addColumn<float>("placedLeft");
    QTest::addColumn<float>("placedExtent");
    QTest::newRow("above the screen") << -1.0f << 600.0f << 4935.0f << 0.0f << 7935.0f;
    QTest::newRow("far below") << 30000.0f << 600.0f << 4935.0f << 0.0f << 7935.0f;
    QTest::newRow("last valid top") << 29999.0f << 600.0f << 29999.0f << 600.0f << 9000.0f;
    QTest::newRow("left is not tested") << 100.0f << -5000.0f << 100.0f << -5000.0f << 9000.0f;
}

void TestSettings::placementCheck()
{
    QFETCH(float, top);
    QFETCH(float, left);
    QFETCH(float, placedTop);
    QFETCH(float, placedLeft);
    QFETCH(float, placedExtent);
    const WindowPlacement placed = WindowPlacement{top, left, 9000}.checked({4935, 0, 7935});
    QCOMPARE(placed.top, placedTop);
    QCOMPARE(placed.left, placedLeft);
    QCOMPARE(placed.extent, placedExtent);
}

void TestSettings::secondLockIsRefused()
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("sonvelle.lock"));
    SingleInstance first(path);
    QVERIFY(first.acquire());
    SingleInstance second(path);
    QVERIFY(!second.acquire());
    QCOMPARE(QFileInfo(SingleInstance::defaultLockPath()).path(), QFileInfo(JournalWriter::DefaultPath()).path());
}

void TestSettings::leftLockFilesDoNotRefuse_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::newRow("empty") << QByteArray();
    static const char garbage[] = "\xff\x00 not a lock \n\n\n";
    QTest::newRow("garbage") << QByteArray(garbage, sizeof garbage - 1);
    QTest::newRow("another host") << QByteArray("4242\nsonvelle\nsome-other-host\n");
}

void TestSettings::leftLockFilesDoNotRefuse()
{
    QFETCH(QByteArray, content);
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("sonvelle.lock"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(content);
    file.close();
    QVERIFY(SingleInstance(path).acquire());
}

void TestSettings::aKilledCopysLockIsReleased()
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("sonvelle.lock"));
    QProcess copy;
    copy.start(QStringLiteral(LOCK_HOLDER), {path});
    QVERIFY(copy.waitForReadyRead(20000));
    QCOMPARE(copy.read(1), QByteArray("y"));
    QVERIFY(!SingleInstance(path).acquire());
    copy.kill();
    QVERIFY(copy.waitForFinished(20000));
    QVERIFY(SingleInstance(path).acquire());
}

void TestSettings::aSettingsFileThatIsNoFileIsLeftAlone()
{
    const QString path = QSettings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("SVL")).fileName();
    QCOMPARE(SettingsStore().fileName(), path);
    QVERIFY(mkfifo(QFile::encodeName(path).constData(), 0600) == 0);
    SettingsStore store;
    QCOMPARE(store.readSettings().AutoMute, Settings().AutoMute);
    store.writeSettings(Settings());
    struct stat st {};
    QCOMPARE(stat(QFile::encodeName(path).constData(), &st), 0);
    QVERIFY(S_ISFIFO(st.st_mode));
    QFile::remove(path);
}

SONVELLE_QTEST_MAIN(TestSettings)
#include "test_settings.moc"
