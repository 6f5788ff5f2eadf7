// Editing in the list through the main window: the level and mute dialogs,
// the list commands from menus and toolbar, the grid's mouse actions and
// files dropped on the grid.
#include "DialogDriver.h"
#include "GridDrag.h"
#include "QtTestEnvironment.h"
#include "ShellFixture.h"
#include "UpDown.h"
#include "cd_time.h"

#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QUrl>

using shelltest::Shell;

namespace {

const QString VolumeMessage = QStringLiteral("この設定されたLevelでは最大許容音量を超えてしまいます");

// Fills a dialog's text boxes, presses OK and, when OK left the dialog
// open, records that and presses Cancel.
void answerDialog(const QString& name, const QHash<QString, QString>& texts, bool negative, bool* stayedOpen)
{
    dialogdriver::whenShown(name, [=](QWidget* dialog) {
        for (auto text = texts.begin(); text != texts.end(); ++text)
            dialog->findChild<QLineEdit*>(text.key())->setText(text.value());
        if (auto* minus = dialog->findChild<QRadioButton*>("Option2"))
            minus->setChecked(negative);
        dialog->findChild<QPushButton*>("Command1")->click();
        *stayedOpen = dialog->isVisible();
        if (*stayedOpen)
            dialog->findChild<QPushButton*>("Command2")->click();
    });
}

}  // namespace

class TestListEditing : public QObject {
    Q_OBJECT
private slots:
    void init();
    void levelDialog_data();
    void levelDialog();
    void levelDialogAsDesigned();
    void muteDialog_data();
    void muteDialog();
    void muteDialogShowsTheCurrentMute();
    void commandsFromMenusAndToolbar();
    void overwriteSaveFromTheMenu();
    void dragCycle();
    void dragOntoAnotherTrackAndUndo();
    void dragsThatMoveNothing();
    void dragScrollsToRowsOutOfSight();
    void doubleClick();
    void dropOpensOnlyAcceptedFiles();
    void filesGivenAtStartOpenByWhatTheyHold();
    void dropsThatAreRefused();
    void aDroppedSheetOpensTheSplitWindowWithItsMarks();
};

void TestListEditing::init()
{
    shelltest::clearSettings();
}

void TestListEditing::levelDialog_data()
{
    QTest::addColumn<int>("peak");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("level");
    QTest::addColumn<bool>("refused");
    QTest::newRow("full scale, 100") << 32767 << "100" << "100" << false;
    QTest::newRow("full scale, 101") << 32767 << "101" << "100" << true;
    QTest::newRow("half scale, 199") << 16384 << "199" << "199" << false;
    QTest::newRow("half scale, 200") << 16384 << "200" << "100" << true;
    QTest::newRow("negative") << 16384 << "-120" << "120" << false;
    QTest::newRow("fraction") << 16384 << "120.9" << "120" << false;
    QTest::newRow("negative fraction") << 16384 << "-120.5" << "121" << false;
    QTest::newRow("text") << 16384 << "abc" << "0" << false;
    QTest::newRow("huge") << 16384 << "99999999999" << "100" << true;
}

void TestListEditing::levelDialog()
{
    QFETCH(int, peak);
    QFETCH(QString, typed);
    QFETCH(QString, level);
    QFETCH(bool, refused);
    Shell shell;
    shell.open({shelltest::writeTrack(shell.folder, "a.wav", int16_t(peak))});
    bool stayedOpen = false;
    answerDialog("fEditLevel", {{"Text1", typed}}, false, &stayedOpen);
    shell.run("mnuEditLevel");

    QCOMPARE(stayedOpen, refused);
    QCOMPARE(shell.grid()->TextMatrix(1, 7), level);
    QCOMPARE(shell.prompts.messages.size(), refused ? 1 : 0);
    if (refused) {
        QCOMPARE(shell.prompts.messages[0].text, VolumeMessage);
        QCOMPARE(shell.prompts.messages[0].caption, QStringLiteral("ｴﾗｰ"));
    }
    // A level that was set can be undone.
    QCOMPARE(shell.window->command("back")->isEnabled(), !refused);
}

void TestListEditing::levelDialogAsDesigned()
{
    Shell shell;
    shell.openTracks(2);
    shell.click(3);
    QString caption, prompt, start, selected;
    int maximum = 0;
    dialogdriver::whenShown("fEditLevel", [&](QWidget* dialog) {
        caption = dialog->windowTitle();
        prompt = dialog->findChild<QLabel*>("Label1")->text();
        auto* text1 = dialog->findChild<QLineEdit*>("Text1");
        start = text1->text();
        text1->setText(QStringLiteral("123456"));
        dialog->findChild<QPushButton*>("Command2")->setFocus();
        text1->setFocus();
        QTRY_VERIFY(!text1->selectedText().isEmpty());
        selected = text1->selectedText();
        maximum = dialog->findChild<UpDown*>("UpDown1")->maximum();
        dialog->findChild<QPushButton*>("Command2")->click();
    });
    shell.run("mnuEditLevel");
    QCOMPARE(caption, QStringLiteral("Level"));
    QCOMPARE(prompt, QStringLiteral("No.2:\"2.wav\"のLevelを入力してください"));
    QCOMPARE(start, QStringLiteral("100"));
    QCOMPARE(selected, QStringLiteral("1234"));
    QCOMPARE(maximum, 1000);
    QCOMPARE(shell.grid()->TextMatrix(3, 7), QStringLiteral("100"));
    QVERIFY(!shell.window->command("back")->isEnabled());
}

void TestListEditing::muteDialog_data()
{
    QTest::addColumn<QString>("minutes");
    QTest::addColumn<QString>("seconds");
    QTest::addColumn<QString>("frames");
    QTest::addColumn<bool>("negative");
    QTest::addColumn<QString>("length");
    QTest::addColumn<QString>("message");
    QTest::newRow("two seconds") << "0" << "2" << "0" << false << "0:00:02:00" << "";
    QTest::newRow("seconds add up") << "0" << "90" << "0" << false << "0:01:30:00" << "";
    QTest::newRow("frames") << "1" << "0" << "37" << false << "0:01:00:37" << "";
    QTest::newRow("minus one second") << "0" << "1" << "0" << true << "-0:00:01:00" << "";
    QTest::newRow("minus beyond the silence")
        << "0" << "2" << "0" << true << "0:00:00:00" << "ﾏｲﾅｽのMUTE時間がPostMuteを超える設定は出来ません";
    QTest::newRow("too long") << "999" << "0" << "0" << false << "0:00:00:00" << "設定したMUTE時間は長すぎます";
}

void TestListEditing::muteDialog()
{
    QFETCH(QString, minutes);
    QFETCH(QString, seconds);
    QFETCH(QString, frames);
    QFETCH(bool, negative);
    QFETCH(QString, length);
    QFETCH(QString, message);
    Shell shell;
    // 300,000 bytes of trailing silence: 74,999 silent frames after the
    // frame that holds the last loud sample.
    shell.open({shelltest::writeTrack(shell.folder, "a.wav", 10000, 74999),
                shelltest::writeTrack(shell.folder, "b.wav")});
    QCOMPARE(shell.list().TrackAt(1).record.postMuteBytes, 300000);
    shell.click(2);
    bool stayedOpen = false;
    answerDialog("fEditMute", {{"Text2", minutes}, {"Text3", seconds}, {"Text4", frames}}, negative, &stayedOpen);
    shell.run("mnuEditMute");

    QCOMPARE(stayedOpen, !message.isEmpty());
    QCOMPARE(shell.grid()->TextMatrix(2, 4), length);
    if (!message.isEmpty()) {
        QCOMPARE(shell.prompts.messages.size(), 1);
        QCOMPARE(shell.prompts.messages[0].text, message);
        QCOMPARE(shell.prompts.messages[0].caption, QStringLiteral("ｴﾗｰ"));
    } else {
        // The next track starts later by the mute, and so does the END row.
        const qint64 mute = shell.list().TrackAt(1).record.muteAdjustBytes;
        QCOMPARE(shell.list().TrackTimeline()[2].start, shell.list().TrackTimeline()[1].dataEnd + mute);
        QCOMPARE(shell.grid()->TextMatrix(3, 1), FormatCdTime(shell.list().TrackTimeline()[2].start));
    }
}

void TestListEditing::muteDialogShowsTheCurrentMute()
{
    Shell shell;
    shell.openTracks(1);
    shell.list().TrackAt(1).record.muteAdjustBytes = -(176400 * 61 + 2352 * 5 + 100);
    shell.click(2);
    QString caption, prompt, minutes, seconds, frames;
    bool minus = false;
    dialogdriver::whenShown("fEditMute", [&](QWidget* dialog) {
        caption = dialog->windowTitle();
        prompt = dialog->findChild<QLabel*>("Label1")->text();
        minutes = dialog->findChild<QLineEdit*>("Text2")->text();
        seconds = dialog->findChild<QLineEdit*>("Text3")->text();
        frames = dialog->findChild<QLineEdit*>("Text4")->text();
        minus = dialog->findChild<QRadioButton*>("Option2")->isChecked();
        dialog->findChild<QPushButton*>("Command2")->click();
    });
    shell.run("mnuEditMute");
    QCOMPARE(caption, QStringLiteral("Mute Length"));
    QCOMPARE(prompt, QStringLiteral("No.1:\"1.wav\"のMute Lengthを入力してください"));
    QCOMPARE(minutes, QStringLiteral("1"));
    QCOMPARE(seconds, QStringLiteral("1"));
    QCOMPARE(frames, QStringLiteral("5"));
    QVERIFY(minus);
}

void TestListEditing::commandsFromMenusAndToolbar()
{
    Shell shell;
    shell.openTracks(3);
    QVERIFY(!shell.window->command("back")->isEnabled());

    shell.run("mnuEditLevelComp");
    shell.run("mnuEditLevelComp");
    QCOMPARE(shell.grid()->TextMatrix(5, 7), QStringLiteral("81"));
    QVERIFY(shell.window->command("mnuFileSave")->isEnabled());
    shell.window->Toolbar1_ButtonClick("back");
    QCOMPARE(shell.grid()->TextMatrix(5, 7), QStringLiteral("90"));

    // Track 2 down, then to the top, by buttons; the moved track stays
    // selected.
    shell.click(3);
    shell.window->Toolbar1_ButtonClick("down");
    QCOMPARE(shell.titles(), QStringList({"1.wav", "3.wav", "2.wav"}));
    QCOMPARE(shell.list().SelectedTrack(), 3);
    shell.window->Toolbar1_ButtonClick("top");
    QCOMPARE(shell.titles(), QStringList({"2.wav", "1.wav", "3.wav"}));
    QCOMPARE(shell.grid()->TextMatrix(1, 2), QStringLiteral("2.wav"));
    QVERIFY(!shell.window->command("up")->isEnabled());

    // Delete the last track by the Del item; its rows go, undo brings it back.
    shell.click(5);
    shell.run("mnuEditDel");
    QCOMPARE(shell.list().TrackCount(), 2);
    QCOMPARE(shell.grid()->TextMatrix(5, 2), QStringLiteral("   ------  END  ------"));
    QCOMPARE(shell.grid()->TextMatrix(6, 2), QString());
    QCOMPARE(shell.grid()->Row(), 3);
    shell.run("mnuEditBack");
    QCOMPARE(shell.titles(), QStringList({"2.wav", "1.wav", "3.wav"}));

    // Automatic mute on a MUTE row makes the gap the configured 4 seconds.
    shell.click(2);
    shell.window->Toolbar1_ButtonClick("AutoMute");
    QCOMPARE(shell.grid()->TextMatrix(2, 6), QStringLiteral("0:00:04:00"));
}

void TestListEditing::overwriteSaveFromTheMenu()
{
    Shell shell;
    QAction* cue = shell.window->command("mnuFileCue");
    QVERIFY(!cue->isEnabled());
    shell.openTracks(2);
    // The CUE sheet and the write are on while the files hold what the list plays.
    QVERIFY(cue->isEnabled());
    QVERIFY(shell.window->command("mnuFileWrite")->isEnabled());
    shell.run("mnuEditLevelComp");
    QVERIFY(!cue->isEnabled());
    QVERIFY(!shell.window->command("mnuFileWrite")->isEnabled());
    QVERIFY(shell.window->command("mnuFileSave")->isEnabled());

    // Cancel at the confirmation changes nothing.
    shell.prompts.answers << Prompts::Answer::Cancel;
    shell.run("mnuFileSave");
    QCOMPARE(shell.titles(), QStringList({"1.wav", "2.wav"}));

    shell.run("mnuFileSave");
    QCOMPARE(shell.titles(), QStringList({"M01_1.wav", "M02_2.wav"}));
    QVERIFY(QFile::exists(shell.folder.path().c_str() + QStringLiteral("/M02_2.wav")));
    QCOMPARE(shell.grid()->TextMatrix(3, 2), QStringLiteral("M02_2.wav"));
    QCOMPARE(shell.grid()->TextMatrix(3, 7), QStringLiteral("100"));
    QVERIFY(!shell.window->command("mnuFileSave")->isEnabled());
    QVERIFY(!shell.window->command("mnuFileAnother")->isEnabled());
    QVERIFY(!shell.window->command("back")->isEnabled());
    QVERIFY(cue->isEnabled());
    QVERIFY(shell.window->command("mnuFileDdp")->isEnabled());
    shell.window->SetPlayerActive(1);
    shell.window->RefreshCommands();
    QVERIFY(!cue->isEnabled());
    QVERIFY(!shell.window->command("mnuFilePqSheet")->isEnabled());
}

void TestListEditing::dragCycle()
{
    GridDrag drag;
    drag.ButtonDown();
    QCOMPARE(drag.DragState(), 1);
    QCOMPARE(drag.Move(false, 1, 3), GridDrag::MoveOutcome::BeginDrag);
    QCOMPARE(drag.Move(false, 1, 3), GridDrag::MoveOutcome::None);
    QVERIFY(!drag.ButtonUp(true, 3, 3));
    QCOMPARE(drag.DragState(), 0);

    for (const auto& [playing, onTrackRow, count] : {std::tuple{true, 1, 3}, {false, 0, 3}, {false, 1, 0}}) {
        drag.ButtonDown();
        QCOMPARE(drag.Move(playing, onTrackRow, count), GridDrag::MoveOutcome::NoDrag);
        QVERIFY(!drag.ButtonUp(true, 7, 3));
    }
    drag.ButtonDown();
    drag.Move(false, 1, 3);
    QVERIFY(!drag.ButtonUp(false, 7, 3));
    drag.ButtonDown();
    QVERIFY(!drag.ButtonUp(true, 7, 3));
}

void TestListEditing::dragOntoAnotherTrackAndUndo()
{
    Shell shell;
    shell.show();
    shell.openTracks(5);
    shell.drag(3, 7);
    QCOMPARE(shell.titles(), QStringList({"1.wav", "3.wav", "4.wav", "2.wav", "5.wav"}));
    QCOMPARE(shell.list().SelectedTrack(), 4);
    QCOMPARE(shell.grid()->TextMatrix(7, 2), QStringLiteral("2.wav"));
    QVERIFY(shell.grid()->selectionModel()->isRowSelected(6, {}));
    shell.run("mnuEditBack");
    QCOMPARE(shell.titles(), QStringList({"1.wav", "2.wav", "3.wav", "4.wav", "5.wav"}));

    // A drop on track 1's MUTE row counts as track 1's place.
    shell.drag(7, 2);
    QCOMPARE(shell.titles(), QStringList({"4.wav", "1.wav", "2.wav", "3.wav", "5.wav"}));
    QCOMPARE(shell.list().SelectedTrack(), 1);

    // Below the END row: the last place.
    shell.drag(1, 12);
    QCOMPARE(shell.titles(), QStringList({"1.wav", "2.wav", "3.wav", "5.wav", "4.wav"}));
}

void TestListEditing::dragsThatMoveNothing()
{
    Shell shell;
    shell.show();
    shell.openTracks(5);
    const QStringList order = shell.titles();
    const QPoint outside(shell.grid()->viewport()->width() + 40, shell.rowCentre(7).y());
    shell.drag(3, 7, outside);
    shell.drag(3, 4);   // its own MUTE row is its own place
    shell.drag(4, 8);   // from a MUTE row
    shell.window->SetPlayerActive(1);
    shell.drag(3, 7);
    shell.window->SetPlayerActive(-1);
    QCOMPARE(shell.titles(), order);
    QCOMPARE(shell.list().UndoAvailable(), 0);
    QVERIFY(shell.grid()->viewport()->cursor().shape() == Qt::ArrowCursor);
}

void TestListEditing::dragScrollsToRowsOutOfSight()
{
    Shell shell;
    shell.show();
    shell.openTracks(12);
    QVERIFY(!shell.grid()->viewport()->rect().contains(shell.rowCentre(23)));
    shell.mouse(QEvent::MouseButtonPress, shell.rowCentre(1), Qt::LeftButton);
    shell.mouse(QEvent::MouseMove, shell.rowCentre(1) + QPoint(0, 3), Qt::LeftButton);
    shell.mouse(QEvent::MouseMove, QPoint(40, shell.grid()->viewport()->height() + 20), Qt::LeftButton);
    QTRY_VERIFY(shell.grid()->viewport()->rect().contains(shell.rowCentre(23)));
    shell.mouse(QEvent::MouseMove, shell.rowCentre(23), Qt::LeftButton);
    shell.mouse(QEvent::MouseButtonRelease, shell.rowCentre(23), Qt::NoButton);
    QCOMPARE(shell.titles().last(), QStringLiteral("1.wav"));
    QCOMPARE(shell.list().SelectedTrack(), 12);
}

void TestListEditing::doubleClick()
{
    Shell shell;
    shell.show();
    const auto doubleClickOn = [&](int row) {
        shell.click(row);
        shell.mouse(QEvent::MouseButtonDblClick, shell.rowCentre(row), Qt::LeftButton);
        shell.mouse(QEvent::MouseButtonRelease, shell.rowCentre(row), Qt::NoButton);
    };
    const auto opens = [&](const QString& dialog, int row) {
        bool shown = false;
        const QPointer<QTimer> driver = dialogdriver::whenShown(dialog, [&](QWidget* widget) {
            shown = true;
            widget->findChild<QPushButton*>("Command2")->click();
        });
        // A dialog opens modally inside the double-click: once that returns,
        // the driver has closed it or will never see it.
        doubleClickOn(row);
        delete driver.data();
        return shown;
    };
    QVERIFY(!opens("fEditLevel", 1));  // empty list
    shell.openTracks(2);
    QVERIFY(opens("fEditLevel", 3));
    QVERIFY(opens("fEditMute", 2));
    shell.window->SetPlayerActive(1);
    QVERIFY(!opens("fEditMute", 2));
    QVERIFY(opens("fEditLevel", 1));
}

namespace {

QMimeData* filesData(const QStringList& paths)
{
    auto* data = new QMimeData;
    QList<QUrl> urls;
    for (const QString& path : paths)
        urls << QUrl::fromLocalFile(path);
    data->setUrls(urls);
    return data;
}

bool dragAccepted(const Shell& shell, QMimeData* data)
{
    QDragEnterEvent event(shell.rowCentre(1), Qt::CopyAction | Qt::MoveAction, data, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(shell.grid()->viewport(), &event);
    return event.isAccepted() && event.dropAction() == Qt::CopyAction;
}

void drop(const Shell& shell, QMimeData* data)
{
    QDropEvent event(shell.rowCentre(1), Qt::CopyAction, data, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(shell.grid()->viewport(), &event);
    QCoreApplication::processEvents();
}

}  // namespace

void TestListEditing::dropOpensOnlyAcceptedFiles()
{
    Shell shell;
    shell.openTracks(1);
    shell.run("mnuEditLevelComp");
    QVERIFY(shell.window->command("back")->isEnabled());

    const QString wav = shelltest::writeTrack(shell.folder, "A.WAV");
    const QString mp3 = shelltest::writeTrack(shell.folder, "b.mp3");
    const QString text = shelltest::writeTrack(shell.folder, "c.txt");
    std::unique_ptr<QMimeData> data(filesData({wav, mp3, text}));
    QVERIFY(dragAccepted(shell, data.get()));
    drop(shell, data.get());
    QCOMPARE(shell.titles(), QStringList({"1.wav", "A.WAV"}));
    QVERIFY(shell.prompts.messages.isEmpty());
    QCOMPARE(shell.list().UndoAvailable(), 0);
    QVERIFY(!shell.window->command("back")->isEnabled());
}

void TestListEditing::filesGivenAtStartOpenByWhatTheyHold()
{
    Shell shell;
    shelltest::writeTrack(shell.folder, "a.wav");
    const QString wavNamedText = shelltest::writeTrack(shell.folder, "c.txt");
    const QString text = QString::fromStdString((shell.folder / "notes.txt").string());
    testsupport::writeFile(text.toStdString(), {'n', 'o', 't', 'e', 's'});
    const QString previous = QDir::currentPath();
    QDir::setCurrent(QString::fromStdString(shell.folder.path().string()));
    shell.window->OpenGivenFiles({QStringLiteral("a.wav"), wavNamedText, text});
    QDir::setCurrent(previous);
    QCOMPARE(shell.titles(), QStringList({"a.wav", "c.txt"}));
    QCOMPARE(shell.prompts.messages.size(), 1);
    QCOMPARE(shell.prompts.messages[0].text, QStringLiteral("選択したﾌｧｲﾙ\"notes.txt\"は、\r\n音声ﾌｧｲﾙとして読み込めません"));
}

void TestListEditing::dropsThatAreRefused()
{
    Shell shell;
    const QString wav = shelltest::writeTrack(shell.folder, "a.wav");
    const QString text = shelltest::writeTrack(shell.folder, "c.txt");

    std::unique_ptr<QMimeData> textFirst(filesData({text, wav}));
    QVERIFY(!dragAccepted(shell, textFirst.get()));
    // The endings of the conversion route are taken like ".wav".
    std::unique_ptr<QMimeData> flacFirst(filesData({QStringLiteral("/music/Live.FLAC"), text}));
    QVERIFY(dragAccepted(shell, flacFirst.get()));
    std::unique_ptr<QMimeData> noFiles(new QMimeData);
    noFiles->setText(QStringLiteral("a.wav"));
    QVERIFY(!dragAccepted(shell, noFiles.get()));
    drop(shell, noFiles.get());

    shell.window->SetPlayerActive(1);
    std::unique_ptr<QMimeData> wavOnly(filesData({wav}));
    QVERIFY(!dragAccepted(shell, wavOnly.get()));
    QVERIFY(!dragAccepted(shell, flacFirst.get()));
    drop(shell, wavOnly.get());
    QCOMPARE(shell.list().TrackCount(), 0);
}

void TestListEditing::aDroppedSheetOpensTheSplitWindowWithItsMarks()
{
    Shell shell;
    shelltest::writeTrack(shell.folder, "live.wav", 10000, 4410, 44100);
    const QString sheet = QString::fromStdString((shell.folder / "live.cue").string());
    const std::string text = "FILE \"live.wav\" WAVE\n  TRACK 01 AUDIO\n    INDEX 01 00:00:00\n"
                             "  TRACK 02 AUDIO\n    INDEX 01 00:00:30\n";
    testsupport::writeFile(sheet.toStdString(), std::vector<uint8_t>(text.begin(), text.end()));
    QString caption;
    int pieces = 0;
    dialogdriver::whenShown(QStringLiteral("fSplit"), [&](QWidget* window) {
        caption = window->windowTitle();
        pieces = window->findChild<QTableWidget*>(QStringLiteral("grdPieces"))->rowCount();
        window->findChild<QPushButton*>(QStringLiteral("cmdCancel"))->click();
    });
    std::unique_ptr<QMimeData> data(filesData({sheet}));
    QVERIFY(dragAccepted(shell, data.get()));
    drop(shell, data.get());
    QCOMPARE(caption, QStringLiteral("ﾄﾗｯｸ分割 - live.cue"));
    QCOMPARE(pieces, 2);
    QCOMPARE(shell.list().TrackCount(), 0);
}

SONVELLE_QTEST_MAIN(TestListEditing)
#include "test_list_editing.moc"
