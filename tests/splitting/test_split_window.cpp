// The window fSplit under the offscreen platform: a mark added at the play
// position, dragged along the waveform, moved a frame by the keyboard and
// deleted, with the list of pieces following each step.
#include "QtTestEnvironment.h"
#include "SplitWaveView.h"
#include "SplitWindow.h"
#include "cd_time.h"
#include "temp_dir.h"
#include "wav_builder.h"
#include "wav_part.h"
#include "wave_overview.h"

#include <QPushButton>
#include <QTableWidget>

namespace {

constexpr int64_t Frame = 588;

struct OpenWindow {
    testsupport::TempDir dir;
    Recording recording;
    WaveOverview overview;
    std::unique_ptr<SplitWindow> window;

    OpenWindow()
    {
        testsupport::writeFile(dir / "live.wav", testsupport::makeWav(testsupport::noise(2 * 20 * 44100)));
        recording = Recording({*WavPartOf(QString::fromStdString((dir / "live.wav").string()))});
        overview.Scan(recording, {});
        window = std::make_unique<SplitWindow>(QStringLiteral("live.wav"), recording, overview,
                                               SplitMarks(recording.samples()), SplitWindow::Writer());
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    }
    QTableWidget* pieces() const { return window->findChild<QTableWidget*>(QStringLiteral("grdPieces")); }
    QStringList starts() const
    {
        QStringList shown;
        for (int row = 0; row < pieces()->rowCount(); ++row)
            shown << pieces()->item(row, 1)->text();
        return shown;
    }
};

}  // namespace

class SplitWindowTest : public QObject {
    Q_OBJECT
private slots:
    void markedAtThePlayPositionDraggedNudgedAndDeleted()
    {
        OpenWindow open;
        SplitWaveView* wave = open.window->waveView();
        wave->setCursor(5 * 44100 + 100);
        QTest::mouseClick(open.window->findChild<QPushButton*>(QStringLiteral("cmdMark")), Qt::LeftButton);
        QCOMPARE(open.window->marks().marks().value(1).sample, 375 * Frame);
        QCOMPARE(open.starts(), QStringList({"0:00:00:00", "0:00:05:00"}));

        // Dragged to the frame under the pointer, 100 columns on.
        const int x = int(wave->view().xOf(375 * Frame));
        QTest::mousePress(wave, Qt::LeftButton, {}, QPoint(x, 60));
        QMouseEvent move(QEvent::MouseMove, QPointF(x + 100, 60), wave->mapToGlobal(QPointF(x + 100, 60)),
                         Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(wave, &move);
        QTest::mouseRelease(wave, Qt::LeftButton, {}, QPoint(x + 100, 60));
        const int64_t dragged = SplitMarks::OnGrid(wave->view().sampleAt(x + 100));
        QCOMPARE(open.window->marks().marks().value(1).sample, dragged);

        QTest::keyClick(open.window.get(), Qt::Key_Right);
        QCOMPARE(open.window->marks().marks().value(1).sample, dragged + Frame);
        QCOMPARE(open.pieces()->item(1, 1)->text(), FormatCdTime((dragged + Frame) * 4));

        QTest::keyClick(open.window.get(), Qt::Key_Delete);
        QCOMPARE(open.window->marks().count(), 1);
        QCOMPARE(open.pieces()->rowCount(), 1);
    }
};

SONVELLE_QTEST_MAIN(SplitWindowTest)
#include "test_split_window.moc"
