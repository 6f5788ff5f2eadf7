// The track's file lost while the fade editor loads its waveform cache: the
// file is deleted, or cut short, after the first seconds of the first block
// have been read. The editor must report the read error in the described
// message, keep running, and leave no descriptor of the file open.
#include "FadeInEditer.h"
#include "ProgramTitle.h"
#include "QtTestEnvironment.h"
#include "ShellFixture.h"

#include <QProgressBar>
#include <QScrollBar>

#include <filesystem>
#include <functional>

using shelltest::Shell;

namespace {

constexpr int Second = 176400;

// Runs the fault once, when the progress bar shows that two seconds of the
// first block have been read.
struct FaultAtProgress {
    FaultAtProgress(QProgressBar* bar, const std::function<void()>& fault)
    {
        connection = QObject::connect(bar, &QProgressBar::valueChanged, bar, [this, fault](int percent) {
            if (!injected && percent >= 20) {
                injected = true;
                fault();
            }
        });
    }
    ~FaultAtProgress() { QObject::disconnect(connection); }
    FaultAtProgress(const FaultAtProgress&) = delete;
    FaultAtProgress& operator=(const FaultAtProgress&) = delete;

    QMetaObject::Connection connection;
    bool injected = false;
};

// True when one of the process's descriptors refers to path, deleted or not.
bool holdsDescriptorOf(const std::filesystem::path& path)
{
    for (const auto& entry : std::filesystem::directory_iterator("/proc/self/fd")) {
        std::error_code error;
        const std::string target = std::filesystem::read_symlink(entry.path(), error).string();
        if (target == path.string() || target == path.string() + " (deleted)")
            return true;
    }
    return false;
}

}  // namespace

class TestFadeEditorFaults : public QObject {
    Q_OBJECT
private slots:
    void lostFileIsAReadError_data();
    void lostFileIsAReadError();
};

void TestFadeEditorFaults::lostFileIsAReadError_data()
{
    QTest::addColumn<bool>("deleted");
    QTest::addColumn<QString>("message");
    QTest::newRow("deleted") << true << "ﾌｧｲﾙが見つかりません";
    QTest::newRow("truncated to 1 s") << false << "ﾌｧｲﾙが途中で切れています";
}

void TestFadeEditorFaults::lostFileIsAReadError()
{
    QFETCH(bool, deleted);
    QFETCH(QString, message);
    Shell shell;
    const auto path = shell.folder / "noise.wav";
    testsupport::writeFile(path, testsupport::makeWav(testsupport::noise(size_t(30) * Second / 2, 20000, 3)));
    shell.open({QString::fromStdString(path.string())});
    shell.click(1);

    FaultAtProgress fault(shell.window->editor()->findChild<QProgressBar*>("ProgressBar1"), [&] {
        if (deleted)
            std::filesystem::remove(path);
        else
            std::filesystem::resize_file(path, 44 + Second);
    });
    shell.run("mnuEditFadeIn");
    QVERIFY(fault.injected);
    // A deleted file stays readable through the descriptor already open;
    // the next block the view needs is where its loss shows.
    auto* scroll = shell.window->editor()->findChild<QScrollBar*>("HScroll1");
    scroll->setValue(scroll->maximum());

    QVERIFY(!shell.prompts.messages.isEmpty());
    for (const ShownMessage& shown : shell.prompts.messages) {
        QCOMPARE(shown.text, message);
        QCOMPARE(shown.caption, ProgramTitle());
        QCOMPARE(shown.buttons, Prompts::Buttons::Ok);
    }
    // The loudness meter reads the track through a descriptor of its own
    // while it measures; the editor's must be closed already, the meter's
    // closes when its read of the deleted file ends.
    QTRY_VERIFY(!holdsDescriptorOf(path));
    QVERIFY(shell.window->editor()->isVisible());
}

SONVELLE_QTEST_MAIN(TestFadeEditorFaults)
#include "test_fade_editor_faults.moc"
