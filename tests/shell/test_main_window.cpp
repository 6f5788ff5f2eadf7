// The main window from start-up to exit: its place, the stored settings,
// the menu tree, toolbar, grid and status bar, the version dialog and the
// fonts.
#include "DialogDriver.h"
#include "FontAliases.h"
#include "QtTestEnvironment.h"
#include "ShellFixture.h"

#include <QFontInfo>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QStatusBar>
#include <QToolBar>

using shelltest::Shell;

namespace {

const QString ExitText = QStringLiteral("CD-R簡単編集\"Sonvelle\"を終了します。よろしいですか？");

QStringList actionNames(const QList<QAction*>& actions)
{
    QStringList names;
    for (const QAction* action : actions)
        names << action->objectName();
    return names;
}

}  // namespace

class TestMainWindow : public QObject {
    Q_OBJECT
private slots:
    void init();
    void firstStartWithAnEmptyStore();
    void storedPlaceIsChecked_data();
    void storedPlaceIsChecked();
    void exitCancelStoresNothing();
    void exitOkStoresExactlyTheKeys();
    void closeBoxAsksToo();
    void menuTree();
    void toolbarButtons();
    void gridAndStatusBar();
    void resizeRule();
    void arrangeKeepsTheLeftEdge();
    void versionDialog();
    void designedFacesResolveToIpaFonts();
    void mp3SupportFollowsTheDecoderLibrary_data();
    void mp3SupportFollowsTheDecoderLibrary();
};

void TestMainWindow::init()
{
    shelltest::clearSettings();
}

void TestMainWindow::firstStartWithAnEmptyStore()
{
    Shell shell;
    PlayListWindow& window = *shell.window;
    QCOMPARE(window.objectName(), QStringLiteral("fPlayList"));
    QCOMPARE(window.windowTitle(), QStringLiteral("CD-R簡単編集\"Sonvelle\""));
    QCOMPARE(window.placement().top, 0.0f);
    QCOMPARE(window.placement().left, 0.0f);
    QCOMPARE(window.placement().extent, 4935.0f);
    QCOMPARE(window.width() * 15, 7935);
    const Settings& settings = window.settings();
    QVERIFY(settings.ReadPeak && settings.AutoLevel);
    QCOMPARE(settings.AutoMute, 300);
    QCOMPARE(settings.FadeInEnv, 0.6f);
    QCOMPARE(settings.FadeOutEnv, 1.8f);
    QCOMPARE(window.PlayerActive(), -1);
    QCOMPARE(shell.list().TrackCount(), 0);
    QVERIFY(!window.Mp3Available());
    QVERIFY(!QFile::exists(shell.store.fileName()));
}

void TestMainWindow::storedPlaceIsChecked_data()
{
    QTest::addColumn<QString>("top");
    QTest::addColumn<QString>("left");
    QTest::addColumn<float>("placedTop");
    QTest::addColumn<float>("placedLeft");
    QTest::addColumn<float>("placedHeight");
    QTest::newRow("top -1") << "-1" << "600" << 0.0f << 0.0f << 4935.0f;
    QTest::newRow("top 30000") << "30000" << "600" << 0.0f << 0.0f << 4935.0f;
    QTest::newRow("valid") << "1500" << "600" << 1500.0f << 600.0f << 6000.0f;
    QTest::newRow("left of the screen") << "1500" << "-5000" << 1500.0f << -5000.0f << 6000.0f;
}

void TestMainWindow::storedPlaceIsChecked()
{
    QFETCH(QString, top);
    QFETCH(QString, left);
    QFETCH(float, placedTop);
    QFETCH(float, placedLeft);
    QFETCH(float, placedHeight);
    shelltest::storeText("fPlayList/Top", top);
    shelltest::storeText("fPlayList/Left", left);
    shelltest::storeText("fPlayList/Height", "6000");
    Shell shell;
    QCOMPARE(shell.window->placement().top, placedTop);
    // Places are whole pixels of 15 twips.
    QVERIFY(qAbs(shell.window->placement().left - placedLeft) < 15);
    QVERIFY(qAbs(shell.window->placement().extent - placedHeight) < 15);
}

void TestMainWindow::exitCancelStoresNothing()
{
    Shell shell;
    QSignalSpy ended(shell.window.get(), &PlayListWindow::ProgramEnd);
    shell.window->settings().AutoMute = 123;
    shell.prompts.answers << Prompts::Answer::Cancel;
    shell.run("mnuFileQuit");
    QCOMPARE(ended.count(), 0);
    QCOMPARE(shell.prompts.messages.size(), 1);
    const ShownMessage& asked = shell.prompts.messages[0];
    QCOMPARE(asked.text, ExitText);
    QCOMPARE(asked.caption, QStringLiteral("終了"));
    QCOMPARE(asked.buttons, Prompts::Buttons::OkCancel);
    QCOMPARE(asked.defaultAnswer, Prompts::Answer::Cancel);
    QVERIFY(!QFile::exists(shell.store.fileName()));
}

void TestMainWindow::exitOkStoresExactlyTheKeys()
{
    Shell shell;
    shell.window->move(20, 40);
    shell.window->resize(shell.window->width(), 400);
    Settings& settings = shell.window->settings();
    settings.AutoMute = 450;
    settings.AutoLevel = false;
    settings.FadeOutEnv = 2.5f;
    QSignalSpy ended(shell.window.get(), &PlayListWindow::ProgramEnd);
    shell.run("mnuFileQuit");
    QCOMPARE(shell.prompts.messages.size(), 1);
    QCOMPARE(ended.count(), 1);

    QSettings raw(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("SVL"));
    QStringList keys = raw.allKeys();
    keys.sort();
    QCOMPARE(keys, QStringList({"Etc/AutoLevel", "Etc/AutoMute", "Etc/FadeInEnv", "Etc/FadeOutEnv", "Etc/ReadPeak",
                                "fFadeInEditer/Left", "fFadeInEditer/Top", "fFadeInEditer/Width",
                                "fPlayBar/Left", "fPlayBar/Top", "fPlayBar/Width", "fPlayList/Height",
                                "fPlayList/Left", "fPlayList/Top"}));
    QCOMPARE(raw.value("fPlayList/Top").toString(), QStringLiteral("600"));
    QCOMPARE(raw.value("fFadeInEditer/Top").toString(), QStringLiteral("7140"));
    QCOMPARE(raw.value("fFadeInEditer/Width").toString(), QStringLiteral("7935"));
    QCOMPARE(raw.value("fPlayList/Left").toString(), QStringLiteral("300"));
    QCOMPARE(raw.value("fPlayList/Height").toString(), QStringLiteral("6000"));
    QCOMPARE(raw.value("Etc/AutoMute").toString(), QStringLiteral("450"));
    QCOMPARE(raw.value("Etc/AutoLevel").toString(), QStringLiteral("False"));
    QCOMPARE(raw.value("Etc/ReadPeak").toString(), QStringLiteral("True"));
    QCOMPARE(raw.value("Etc/FadeInEnv").toString(), QStringLiteral("0.6"));
    QCOMPARE(raw.value("Etc/FadeOutEnv").toString(), QStringLiteral("2.5"));

    // The next start reads them back.
    Shell next;
    QCOMPARE(next.window->settings().AutoMute, 450);
    QVERIFY(!next.window->settings().AutoLevel);
    QCOMPARE(next.window->placement().extent, 6000.0f);
}

void TestMainWindow::closeBoxAsksToo()
{
    Shell shell;
    shell.show();
    QSignalSpy ended(shell.window.get(), &PlayListWindow::ProgramEnd);
    shell.prompts.answers << Prompts::Answer::Cancel;
    QVERIFY(!shell.window->close());
    QCOMPARE(ended.count(), 0);
    QVERIFY(shell.window->isVisible());
    QVERIFY(!QFile::exists(shell.store.fileName()));

    QVERIFY(shell.window->close());
    QCOMPARE(ended.count(), 1);
    QCOMPARE(shell.prompts.messages.size(), 2);
    QCOMPARE(shell.prompts.messages[1].text, ExitText);
    QVERIFY(QFile::exists(shell.store.fileName()));
}

void TestMainWindow::menuTree()
{
    Shell shell;
    QMenuBar* bar = shell.window->menuBar();
    QCOMPARE(actionNames(bar->actions()),
             QStringList({"mnuFile", "mnuEdit", "mnuMove", "mnuPlay", "mnuWindow", "mnuHelp"}));
    const auto menu = [&](const char* name) { return shell.window->findChild<QMenu*>(name)->actions(); };
    QCOMPARE(actionNames(menu("mnuFile")),
             QStringList({"mnuFileOpen", "mnuFileListOpen", "mnuFileSplit", "mnuFileDdpOpen", "mnuFileLine1",
                          "mnuFileDirectory", "mnuFileLine2",
                          "mnuFileSave", "mnuFileAnother", "mnuFileCue", "mnuFileDdp", "mnuFilePqSheet",
                          "mnuFileWrite", "mnuFileListSave", "mnuFileLine3", "mnuFileQuit"}));
    QCOMPARE(actionNames(menu("mnuEdit")),
             QStringList({"mnuEditBack", "mnuEditLine1", "mnuEditMute", "mnuEditLevel", "mnuEditLine2",
                          "mnuEditAutoMuteOne", "mnuEditAutoMuteAll", "mnuEditLine3", "mnuEditNomalizeOne",
                          "mnuEditNomalizeAll", "mnuEditLoudnessAll", "mnuEditLevelComp", "mnuEditLine4", "mnuEditFadeIn",
                          "mnuEditFadeOut", "mnuEditLine5", "mnuEditDel", "mnuEditLine6", "mnuEditCdText"}));
    QCOMPARE(actionNames(menu("mnuMove")), QStringList({"mnuMoveTop", "mnuMoveUp", "mnuMoveDown", "mnuMoveLast"}));
    QCOMPARE(actionNames(menu("mnuPlay")), QStringList({"mnuPlayStart", "mnuPlayStop", "mnuPlayLine1", "mnuPlayPeak"}));
    QCOMPARE(actionNames(menu("mnuWindow")),
             QStringList({"mnuWindowPlayBar", "mnuWindowEdit", "mnuWindowLine1", "mnuWindowArrange"}));
    QCOMPARE(actionNames(menu("mnuHelp")), QStringList({"mnuHelpOption", "mnuHelpLine1", "mnuHelpVersion"}));

    QCOMPARE(shell.window->command("mnuFile")->text(), QStringLiteral("ﾌｧｲﾙ(&F)"));
    QCOMPARE(shell.window->command("mnuFileDirectory")->text(), QStringLiteral("MP3ﾃﾞｺｰﾄﾞ･ﾃﾞｨﾚｸﾄﾘ(&D)..."));
    QCOMPARE(shell.window->command("mnuEditLevelComp")->text(), QStringLiteral("全Levelの10%圧縮(&T)"));
    QCOMPARE(shell.window->command("mnuEditLoudnessAll")->text(), QStringLiteral("全Levelをﾗｳﾄﾞﾈｽで揃える(&R)"));
    QCOMPARE(shell.window->command("mnuFileCue")->text(), QStringLiteral("CUEｼｰﾄの書き出し(&C)..."));
    QCOMPARE(shell.window->command("mnuFileDdp")->text(), QStringLiteral("DDPｲﾒｰｼﾞの書き出し(&P)..."));
    QCOMPARE(shell.window->command("mnuFileDdpOpen")->text(), QStringLiteral("DDPｲﾒｰｼﾞを開く(&I)..."));
    QCOMPARE(shell.window->command("mnuFilePqSheet")->text(), QStringLiteral("PQｼｰﾄの書き出し(&Q)..."));
    QCOMPARE(shell.window->command("mnuFileWrite")->text(), QStringLiteral("CD-Rへの書き込み(&W)..."));
    QCOMPARE(shell.window->command("mnuEditDel")->shortcut(), QKeySequence(Qt::Key_Delete));
    QCOMPARE(shell.window->command("mnuPlayPeak")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_K));
    QVERIFY(shell.window->command("mnuEditLine1")->isSeparator());
    QVERIFY(!shell.window->command("mnuFileDirectory")->isVisible());
    QVERIFY(!shell.window->command("mnuFileLine2")->isVisible());
    QVERIFY(shell.window->command("mnuWindowPlayBar")->isCheckable());

    QStringList enabled;
    for (QAction* action : shell.window->findChildren<QAction*>()) {
        if (action->objectName().startsWith(u"mnu") && !action->isSeparator() && !action->menu() &&
            action->isEnabled())
            enabled << action->objectName();
    }
    enabled.sort();
    // A hidden item counts as disabled.
    QCOMPARE(enabled, QStringList({"mnuFileDdpOpen", "mnuFileListOpen", "mnuFileOpen", "mnuFileQuit", "mnuFileSplit",
                                   "mnuHelpOption", "mnuHelpVersion", "mnuWindowArrange", "mnuWindowEdit", "mnuWindowPlayBar"}));
}

void TestMainWindow::toolbarButtons()
{
    Shell shell;
    auto* toolbar = shell.window->findChild<QToolBar*>("Toolbar1");
    QCOMPARE(actionNames(toolbar->actions()),
             QStringList({"open", "back", "top", "up", "down", "last", "del", "playpeak", "play", "stop", "AutoMute",
                          "Nomalize", "EditFadeIn", "EditFadeOut"}));
    QCOMPARE(shell.window->command("play")->toolTip(), QStringLiteral("曲頭から再生"));
    QCOMPARE(shell.window->command("playpeak")->toolTip(), QStringLiteral("ﾋﾟｰｸﾎﾟｲﾝﾄの連続再生"));
    for (QAction* button : toolbar->actions()) {
        QCOMPARE(button->isEnabled(), button->objectName() == u"open");
        QVERIFY(!button->icon().isNull());
    }

    // A button runs its menu item's command; keys compare case-sensitively.
    shell.window->Toolbar1_ButtonClick(QStringLiteral("Open"));
    QVERIFY(shell.prompts.filters.isEmpty());
    shell.window->Toolbar1_ButtonClick(QStringLiteral("open"));
    const QString every = "*.wav;*.flac;*.aif;*.aiff;*.ogg;*.m4a;*.aac;*.opus;*.wma;*.wv;*.ape;"
                          "*.mp4;*.m4v;*.mov;*.mkv;*.webm;*.avi;*.cue";
    QCOMPARE(shell.prompts.filters,
             QStringList({"ｳｪｰﾌﾞﾌｧｲﾙ(*.wav)|*.wav|FLAC,AIFF,Oggﾌｧｲﾙ(*.flac;*.aif;*.aiff;*.ogg)|"
                          "*.flac;*.aif;*.aiff;*.ogg|M4A,AAC,Opus,WMA,WavPack,APEﾌｧｲﾙ(*.m4a;*.aac;*.opus;*.wma;*.wv;*.ape)|"
                          "*.m4a;*.aac;*.opus;*.wma;*.wv;*.ape|ﾋﾞﾃﾞｵﾌｧｲﾙ(*.mp4;*.m4v;*.mov;*.mkv;*.webm;*.avi)|"
                          "*.mp4;*.m4v;*.mov;*.mkv;*.webm;*.avi|CUEｼｰﾄ(*.cue)|*.cue|"
                          "すべての対応ﾌｧｲﾙ(" + every + ")|" + every}));
}

void TestMainWindow::gridAndStatusBar()
{
    Shell shell;
    ListGrid* grid = shell.grid();
    QCOMPARE(grid->objectName(), QStringLiteral("MSFlexGrid1"));
    QCOMPARE(grid->rowCount() + 1, 62);
    QCOMPARE(grid->columnCount(), 8);
    const QList<int> widths = {350, 900, 2076, 900, 900, 900, 900, 550};
    const QStringList captions = {"No.", "Time", "Title", "Pre Mute", "Length", "Post Mute", "Total Mute", "Level"};
    for (int column = 0; column < 8; ++column) {
        QVERIFY(qAbs(grid->columnWidth(column) * 15 - widths[column]) < 15);
        QCOMPARE(grid->TextMatrix(0, column), captions[column]);
    }
    QCOMPARE(grid->item(0, 2)->textAlignment(), int(Qt::AlignLeft | Qt::AlignVCenter));
    QCOMPARE(grid->TextMatrix(1, 1), QStringLiteral("0:00:00:00"));
    QCOMPARE(grid->TextMatrix(1, 2), QStringLiteral("   ------  END  ------"));
    // A CD time fits its column in the font the grid uses.
    QVERIFY(QFontMetrics(grid->font()).horizontalAdvance(QStringLiteral("0:00:00:00")) <= grid->columnWidth(1) - 7);

    QCOMPARE(shell.window->statusBar()->objectName(), QStringLiteral("StatusBar1"));
    QCOMPARE(shell.window->findChild<QLabel*>("Panel1")->text(), QStringLiteral("FadeInLength =  "));
    QCOMPARE(shell.window->findChild<QLabel*>("Panel2")->text(), QStringLiteral("FadeOutLength =  "));
    QCOMPARE(shell.window->findChild<QLabel*>("Panel3")->text(), QStringLiteral("PeakLevel =  "));

    shell.openTracks(3);
    QCOMPARE(grid->TextMatrix(5, 0), QStringLiteral("03"));
    QCOMPARE(grid->TextMatrix(5, 2), QStringLiteral("3.wav"));
    QCOMPARE(grid->TextMatrix(7, 2), QStringLiteral("   ------  END  ------"));
    QCOMPARE(shell.window->findChild<QLabel*>("Panel3")->text(), QStringLiteral("PeakLevel =  10000"));
}

void TestMainWindow::resizeRule()
{
    Shell shell;
    shell.window->resize(shell.window->width(), 1500 / 15);
    QVERIFY(shell.window->height() * 15 >= 2000 && shell.window->height() * 15 < 2015);
    shell.window->resize(900, 400);
    QCOMPARE(shell.window->width() * 15, 7935);
    QCOMPARE(shell.window->height(), 400);
}

void TestMainWindow::arrangeKeepsTheLeftEdge()
{
    Shell shell;
    shell.window->applyPlacement({1500, 3000, 6000});
    shell.run("mnuWindowArrange");
    QCOMPARE(shell.window->placement().top, 0.0f);
    QCOMPARE(shell.window->placement().left, 3000.0f);
    QCOMPARE(shell.window->placement().extent, 4935.0f);
}

void TestMainWindow::versionDialog()
{
    Shell shell;
    QString caption, text;
    dialogdriver::whenShown("fVersion", [&](QWidget* dialog) {
        caption = dialog->windowTitle();
        text = dialog->findChild<QLabel*>("Label1")->text();
        dialog->findChild<QPushButton*>("Command1")->click();
    });
    shell.run("mnuHelpVersion");
    QCOMPARE(caption, QStringLiteral("ﾊﾞｰｼﾞｮﾝ情報"));
    QCOMPARE(text, QStringLiteral("CD-R簡単編集\"Sonvelle\" Ver0.10"));
}

void TestMainWindow::designedFacesResolveToIpaFonts()
{
    QCOMPARE(QFontInfo(QFont(QStringLiteral("ＭＳ Ｐゴシック"), 9)).family(), QStringLiteral("IPAPGothic"));
    QCOMPARE(QFontInfo(QFont(QStringLiteral("ＭＳ Ｐ明朝"), 8)).family(), QStringLiteral("IPAPMincho"));
    QCOMPARE(QFontInfo(QFont(QStringLiteral("ＭＳ  Ｐ明朝"), 8)).family(), QStringLiteral("IPAPMincho"));
}

void TestMainWindow::mp3SupportFollowsTheDecoderLibrary_data()
{
    QTest::addColumn<QStringList>("decoderFiles");
    QTest::addColumn<bool>("available");
    QTest::newRow("beside the program") << Vbmp3Library::DefaultFiles() << true;
    QTest::newRow("missing") << QStringList({QStringLiteral("/nonexistent/libvbmp3.so")}) << false;
    QTest::newRow("not a library") << QStringList({QStringLiteral(SONVELLE_FONT_ALIASES)}) << false;
}

void TestMainWindow::mp3SupportFollowsTheDecoderLibrary()
{
    QFETCH(QStringList, decoderFiles);
    QFETCH(bool, available);
    Shell shell{.decoderFiles = decoderFiles};
    QCOMPARE(shell.window->Mp3Available(), available);
    QCOMPARE(shell.window->command("mnuFileDirectory")->isVisible(), available);
    QCOMPARE(shell.window->command("mnuFileLine2")->isVisible(), available);
    QCOMPARE(shell.grid()->canDrop({shell.folder.path().c_str() + QStringLiteral("/b.MP3")}), available);
    shell.window->Toolbar1_ButtonClick(QStringLiteral("open"));
    QCOMPARE(shell.prompts.filters.first().contains(u"*.mp3"), available);
}

SONVELLE_QTEST_MAIN_WITH(TestMainWindow, fontaliases::load(QStringLiteral(SONVELLE_FONT_ALIASES)))
#include "test_main_window.moc"
