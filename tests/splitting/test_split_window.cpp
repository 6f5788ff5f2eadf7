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

    // Sound throughout, or three seconds of sound and of silence in turn.
    explicit OpenWindow(bool withSilences = false)
    {
        std::vector<int16_t> samples = testsupport::noise(2 * 20 * 44100);
        for (size_t i = 0; withSilences && i < samples.size(); ++i) {
            if (i / (2 * 3 * 44100) % 2 == 1)
                samples[i] = 0;
        }
        testsupport::writeFile(dir / "live.wav", testsupport::makeWav(samples));
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

    void proposalsAtSilencesAreKeptOrRemovedAndNotProposedTwice()
    {
        OpenWindow open(true);
        const auto press = [&](const char* name) {
            QTest::mouseClick(open.window->findChild<QPushButton*>(QString::fromLatin1(name)), Qt::LeftButton);
        };
        const auto proposed = [&] {
            int count = 0;
            for (const SplitMark& mark : open.window->marks().marks())
                count += mark.proposed;
            return count;
        };
        press("cmdSilence");  // sound resumes at 6, 12 and 18 s
        QCOMPARE(open.pieces()->rowCount(), 4);
        QCOMPARE(proposed(), 3);
        press("cmdDrop");
        QCOMPARE(open.pieces()->rowCount(), 1);
        press("cmdSilence");
        press("cmdKeep");
        press("cmdSilence");
        QCOMPARE(open.starts(), QStringList({"0:00:00:00", "0:00:05:37", "0:00:11:37", "0:00:17:37"}));
        QCOMPARE(proposed(), 0);
    }
};

SONVELLE_QTEST_MAIN(SplitWindowTest)
#include "test_split_window.moc"
