// The play bar window fPlayBar drawn off screen, with the main window that
// loads, places, shows, hides and stores it.
#include "PictureBox.h"
#include "PlayBarWindow.h"
#include "QtTestEnvironment.h"
#include "ShellFixture.h"
#include "Twips.h"
#include "play_bar_view.h"

#include <QScrollBar>
#include <QTimer>
#include <QToolBar>

using shelltest::Shell;

namespace {

QColor fromBgr(int32_t color)
{
    return QColor(color & 0xFF, (color >> 8) & 0xFF, (color >> 16) & 0xFF);
}

QColor pixel(PlayBarWindow* bar, double xTwips, double yTwips)
{
    return bar->picture()->image().pixelColor(twips::toPixels(xTwips), twips::toPixels(yTwips));
}

}  // namespace

class TestPlayBarWindow : public QObject {
    Q_OBJECT
private slots:
    void init();
    void loadedAtStartUp();
    void storedPlaceIsChecked();
    void windowMenuAndCloseOnlyHide();
    void exitStoresThePlaceAndHides();
    void arrangePlacesItBelowTheMainWindow();
    void drawsTheListAsOneTimeline();
    void zoomButtonsStopAtTheLimits();
    void pressSetsThePointerAndPlayNeedsATrackUnderIt();
    void commandsFollowThePlayer();
};

void TestPlayBarWindow::init()
{
    shelltest::clearSettings();
}

void TestPlayBarWindow::loadedAtStartUp()
{
    Shell shell;
    PlayBarWindow* bar = shell.window->playBar();
    QCOMPARE(bar->objectName(), QStringLiteral("fPlayBar"));
    QCOMPARE(bar->windowTitle(), QStringLiteral("PlayBar Window"));
    QVERIFY(bar->isVisible());
    QVERIFY(shell.window->command("mnuWindowPlayBar")->isChecked());
    QCOMPARE(bar->pos() * 15, QPoint(0, 4935));
    QCOMPARE(bar->width() * 15, 7935);
    QVERIFY(bar->findChild<QTimer*>("Timer1") != nullptr);
    QCOMPARE(bar->findChild<QScrollBar*>("HScroll1")->maximum(), 10000);
    QCOMPARE(bar->picture()->objectName(), QStringLiteral("Picture1"));
    QCOMPARE(bar->picture()->font().family(), QStringLiteral("ＭＳ  Ｐ明朝"));

    const QStringList keys = {"zoomin", "zoomout", "beforepeak", "playpeak", "play", "stop", "afterpeak"};
    const QStringList tips = {"拡大", "縮小", "一つ前のﾋﾟｰｸﾎﾟｲﾝﾄより再生", "ﾋﾟｰｸﾎﾟｲﾝﾄの連続再生",
                              "ポインタ位置より再生", "停止", "一つ後のﾋﾟｰｸﾎﾟｲﾝﾄより再生"};
    const QList<QAction*> buttons = bar->findChild<QToolBar*>("Toolbar1")->actions();
    QCOMPARE(buttons.size(), 7);
    for (int i = 0; i < 7; ++i) {
        QCOMPARE(buttons[i]->objectName(), keys[i]);
        QCOMPARE(buttons[i]->toolTip(), tips[i]);
        QVERIFY(!buttons[i]->icon().isNull());
        QCOMPARE(buttons[i]->isEnabled(), i < 2);
    }
}

void TestPlayBarWindow::storedPlaceIsChecked()
{
    shelltest::storeText("fPlayBar/Top", "30000");
    shelltest::storeText("fPlayBar/Left", "600");
    shelltest::storeText("fPlayBar/Width", "6000");
    Shell shell;
    QCOMPARE(shell.window->playBar()->pos() * 15, QPoint(0, 4935));
    QCOMPARE(shell.window->playBar()->width() * 15, 7935);

    shelltest::storeText("fPlayBar/Top", "3000");
    Shell valid;
    QCOMPARE(valid.window->playBar()->pos() * 15, QPoint(600, 3000));
    QCOMPARE(valid.window->playBar()->width() * 15, 6000);
}

void TestPlayBarWindow::windowMenuAndCloseOnlyHide()
{
    Shell shell;
    PlayBarWindow* bar = shell.window->playBar();
    QAction* item = shell.window->command("mnuWindowPlayBar");
    shell.run("mnuWindowPlayBar");
    QVERIFY(!bar->isVisible());
    QVERIFY(!item->isChecked());
    shell.run("mnuWindowPlayBar");
    QVERIFY(bar->isVisible());
    QVERIFY(item->isChecked());
    QVERIFY(!bar->close());
    QVERIFY(!bar->isVisible());
    QVERIFY(!item->isChecked());
    QCOMPARE(shell.window->playBar(), bar);
}

void TestPlayBarWindow::exitStoresThePlaceAndHides()
{
    Shell shell;
    shell.window->playBar()->move(300, 400);
    shell.window->playBar()->resize(600, shell.window->playBar()->height());
    shell.run("mnuFileQuit");
    QVERIFY(!shell.window->playBar()->isVisible());
    QVERIFY(!shell.window->command("mnuWindowPlayBar")->isChecked());
    QSettings raw(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("SVL"));
    QCOMPARE(raw.value("fPlayBar/Top").toString(), QStringLiteral("6000"));
    QCOMPARE(raw.value("fPlayBar/Left").toString(), QStringLiteral("4500"));
    QCOMPARE(raw.value("fPlayBar/Width").toString(), QStringLiteral("9000"));
}

void TestPlayBarWindow::arrangePlacesItBelowTheMainWindow()
{
    Shell shell;
    PlayBarWindow* bar = shell.window->playBar();
    shell.run("mnuWindowPlayBar");
    bar->move(500, 20);
    bar->resize(700, bar->height());
    shell.window->applyPlacement({1500, 3000, 6000});
    shell.run("mnuWindowArrange");
    QCOMPARE(bar->pos() * 15, QPoint(3000, 4935));
    QCOMPARE(bar->width() * 15, 7935);
    QVERIFY(!bar->isVisible());  // moved, still hidden
}

void TestPlayBarWindow::drawsTheListAsOneTimeline()
{
    Shell shell;
    // 20 s of sound between 0.1 s and 0.5 s of silence, the peak after 10 s.
    QStringList paths;
    for (int i = 1; i <= 3; ++i) {
        auto samples = testsupport::silenceLoudSilence(4410, 20 * 44100, 22050);
        samples[2 * (4410 + 10 * 44100)] = 30000;
        const auto path = shell.folder / (std::to_string(i) + ".wav");
        testsupport::writeFile(path, testsupport::makeWav(samples));
        paths << QString::fromStdString(path.string());
    }
    shell.open(paths);
    PlayBarWindow* bar = shell.window->playBar();
    bar->Toolbar1_ButtonClick(QStringLiteral("zoomin"));
    bar->Toolbar1_ButtonClick(QStringLiteral("zoomin"));
    // The view at 10,000 bytes a unit, from the timeline's start.
    PlayBarView view;
    view.ZoomIn();
    view.ZoomIn();

    for (int i = 1; i <= 3; ++i) {
        const TimelineEntry& entry = shell.list().TrackTimeline()[size_t(i)];
        const int x1 = view.X(entry.soundStart);
        const int x2 = view.X(entry.soundEnd);
        const QColor color = fromBgr(shell.list().TrackAt(i).record.color);
        QCOMPARE(pixel(bar, (3 * x1 + x2) / 4, 300), color);
        QCOMPARE(pixel(bar, x2, 300), QColor(Qt::black));
        QCOMPARE(pixel(bar, view.X(entry.peak), 400), QColor(255, 0, 0));
        QCOMPARE(pixel(bar, view.X(entry.peak) + 60, 400), color);
    }
    // Minute 1 is a short tick, minute 5 a long one.
    const int minute1 = 1058;
    QCOMPARE(pixel(bar, minute1, 750), QColor(Qt::black));
    QVERIFY(pixel(bar, minute1, 660) != QColor(Qt::black));
    const int minute5 = 5292;  // each minute rounded from the last: 1058.4 x 5
    QCOMPARE(pixel(bar, minute5, 660), QColor(Qt::black));

    // The play-position marker inverts its box and erases itself.
    const QImage before = bar->picture()->image();
    const QColor under = pixel(bar, minute1, 300);
    bar->InvertPlayBarMarker(minute1);
    QCOMPARE(pixel(bar, minute1, 300), QColor(255 - under.red(), 255 - under.green(), 255 - under.blue()));
    bar->InvertPlayBarMarker(minute1);
    QCOMPARE(bar->picture()->image(), before);
}

void TestPlayBarWindow::zoomButtonsStopAtTheLimits()
{
    Shell shell;
    PlayBarWindow* bar = shell.window->playBar();
    const auto states = [&] {
        return QPair<bool, bool>(bar->button("zoomin")->isEnabled(), bar->button("zoomout")->isEnabled());
    };
    bar->Toolbar1_ButtonClick(QStringLiteral("zoomin"));
    QCOMPARE(states(), qMakePair(true, true));
    bar->Toolbar1_ButtonClick(QStringLiteral("zoomin"));
    QCOMPARE(states(), qMakePair(false, true));
    bar->Toolbar1_ButtonClick(QStringLiteral("zoomout"));
    bar->Toolbar1_ButtonClick(QStringLiteral("zoomout"));
    QCOMPARE(states(), qMakePair(true, true));
    bar->Toolbar1_ButtonClick(QStringLiteral("zoomout"));
    bar->Toolbar1_ButtonClick(QStringLiteral("zoomout"));
    QCOMPARE(states(), qMakePair(true, false));
}

void TestPlayBarWindow::pressSetsThePointerAndPlayNeedsATrackUnderIt()
{
    Shell shell;
    shell.show();
    shell.open({shelltest::writeTrack(shell.folder, "1.wav", 10000, 4410, 44100)});
    PlayBarWindow* bar = shell.window->playBar();
    PictureBox* picture = bar->picture();
    const QPoint at = picture->contentsRect().topLeft() + QPoint(100, 30);
    QTest::mousePress(picture, Qt::LeftButton, Qt::NoModifier, at);
    QCOMPARE(shell.window->player().PlayBarPointer(), qint64(100 * 15 * 30000));
    // The pointer marks in blue above and below the boxes.
    const QImage image = picture->image();
    bool blueAbove = false;
    for (int x = 90; x < 110; ++x)
        for (int y = 0; y < 9; ++y)
            blueAbove = blueAbove || image.pixelColor(x, y) == QColor(0, 0, 255);
    QVERIFY(blueAbove);

    // Beyond the last track nothing plays.
    bar->Toolbar1_ButtonClick(QStringLiteral("play"));
    QCOMPARE(shell.window->PlayerActive(), -1);
    QVERIFY(shell.prompts.messages.isEmpty());
}

void TestPlayBarWindow::commandsFollowThePlayer()
{
    Shell shell;
    PlayBarWindow* bar = shell.window->playBar();
    shell.openTracks(2);
    const auto enabled = [&] {
        QStringList keys;
        for (const char* key : {"play", "playpeak", "stop", "beforepeak", "afterpeak"})
            if (bar->button(QString::fromLatin1(key))->isEnabled())
                keys << QString::fromLatin1(key);
        return keys;
    };
    QCOMPARE(enabled(), QStringList({"play", "playpeak", "beforepeak", "afterpeak"}));
    shell.window->SetPlayerActive(1);
    shell.window->RefreshCommands();
    QCOMPARE(enabled(), QStringList({"stop", "beforepeak", "afterpeak"}));
    QVERIFY(!shell.window->command("playpeak")->isEnabled());
}

SONVELLE_QTEST_MAIN(TestPlayBarWindow)
#include "test_play_bar_window.moc"
