// The fade editor on a ten-minute track, beside plain work on the same
// data in one run:
//  - opening the track in the editor and drawing the first view, beside
//    reading the two ten-second blocks that view shows from the file alone;
//  - redrawing the widest view at every zoom level from the cache, beside
//    drawing one line per pixel column with a single painter;
//  - scrolling from the start to the end at zoom 0 in small steps, counting
//    the blocks read from the file against the blocks the track has.
#include "median.h"
#include "FadeInEditer.h"
#include "PictureBox.h"
#include "PlayListWindow.h"
#include "Prompts.h"
#include "SettingsStore.h"
#include "platform_notes.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QPainter>
#include <QScrollBar>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <vector>

namespace {

constexpr int Seconds = 600;
constexpr int Rounds = 7;

void writeTrack(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        qFatal("cannot write %s", qPrintable(path));
    const uint32_t dataBytes = uint32_t(Seconds) * 176400;
    const uint8_t header[44] = {'R', 'I', 'F', 'F', 0, 0, 0, 0, 'W', 'A', 'V', 'E', 'f', 'm', 't', ' ',
                                16, 0, 0, 0, 1, 0, 2, 0, 0x44, 0xAC, 0, 0, 0x10, 0xB1, 2, 0,
                                4, 0, 16, 0, 'd', 'a', 't', 'a', 0, 0, 0, 0};
    QByteArray bytes(reinterpret_cast<const char*>(header), 44);
    const uint32_t riff = dataBytes + 36;
    std::memcpy(bytes.data() + 4, &riff, 4);
    std::memcpy(bytes.data() + 40, &dataBytes, 4);
    file.write(bytes);
    std::vector<int16_t> second(88200);
    uint32_t seed = 1;
    for (int s = 0; s < Seconds; ++s) {
        for (size_t i = 0; i < second.size(); ++i) {
            seed = seed * 1664525u + 1013904223u;
            // A slow swell, so that columns of every height are drawn.
            const int envelope = 1000 + (s % 20) * 1500;
            second[i] = int16_t(int32_t(seed >> 16) % envelope);
        }
        file.write(reinterpret_cast<const char*>(second.data()), qint64(second.size() * 2));
    }
}

class ChoosingPrompts : public Prompts {
public:
    explicit ChoosingPrompts(QString path) : m_path(std::move(path)) {}
    Answer message(QWidget*, const QString& text, const QString&, Buttons, Answer) override
    {
        qFatal("unexpected message: %s", qPrintable(text));
    }
    QStringList openFileNames(QWidget*, const QString&, const QString&) override { return {m_path}; }

private:
    QString m_path;
};

double msSince(const QElapsedTimer& clock)
{
    return clock.nsecsElapsed() / 1e6;
}

double readFirstBlocks(const QString& path)
{
    QElapsedTimer clock;
    clock.start();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        qFatal("cannot read %s", qPrintable(path));
    QByteArray blocks(2 * 1764000, '\0');
    file.seek(44);
    for (int s = 0; s < 20; ++s)
        file.read(blocks.data() + s * 176400, 176400);
    return msSince(clock);
}

// One line per pixel column, drawn with one painter on an image as wide as
// the picture: the least any drawing of the waveform costs.
double plainColumns(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    QElapsedTimer clock;
    clock.start();
    image.fill(Qt::black);
    QPainter painter(&image);
    painter.setPen(QColor(0, 255, 0));
    for (int x = 0; x < width; ++x)
        painter.drawLine(x, 40 + x % 20, x, 120 - x % 20);
    painter.end();
    return msSince(clock);
}

}  // namespace

int main(int argc, char* argv[])
{
    QTemporaryDir scratch;
    QTemporaryDir home;
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(home.path()));
    platformnotes::silence();
    QApplication application(argc, argv);
    const QString path = scratch.path() + QStringLiteral("/ten-minutes.wav");
    writeTrack(path);

    ChoosingPrompts prompts(path);
    SettingsStore store;
    PlayListWindow window(prompts, store);
    window.show();
    window.Toolbar1_ButtonClick(QStringLiteral("open"));
    QApplication::processEvents();
    FadeInEditer* editor = window.editor();
    editor->resize(2000, editor->height());  // the window's widest: 15,000 twips

    std::vector<double> open, read;
    for (int round = 0; round < Rounds; ++round) {
        read.push_back(readFirstBlocks(path));
        QElapsedTimer clock;
        clock.start();
        window.command(QStringLiteral("mnuEditFadeIn"))->trigger();
        open.push_back(msSince(clock));
    }
    const double o = median(open);
    const double r = median(read);
    std::printf("open a ten-minute track and draw the first view (median of %d)\n", Rounds);
    std::printf("  read its first two blocks    %7.2f ms\n", r);
    std::printf("  open in the editor          %7.2f ms   ratio %.1f   (limit 100 ms)\n", o, o / r);

    const int pixels = editor->picture()->width();
    std::printf("redraw a %d-pixel view from the cache (median of %d)\n", pixels, Rounds);
    const double plain = [&] {
        std::vector<double> times;
        for (int round = 0; round < Rounds; ++round)
            times.push_back(plainColumns(pixels, editor->picture()->height()));
        return median(times);
    }();
    std::printf("  one painter, a line a column %6.2f ms\n", plain);
    for (int i = 0; i < 2; ++i)
        editor->command(QStringLiteral("zoomout"))->trigger();
    for (int level = EditorView::MinimumZoom; level <= EditorView::MaximumZoom; ++level) {
        editor->scrollBar()->setValue(5000);
        std::vector<double> times;
        for (int round = 0; round < Rounds; ++round) {
            QElapsedTimer clock;
            clock.start();
            editor->RedrawWaveform();
            times.push_back(msSince(clock));
        }
        const double t = median(times);
        std::printf("  zoom %2d, %2d entries a column  %6.2f ms   ratio %.1f   (limit 10 ms)\n",
                    editor->view().EditorZoomLevel, editor->view().EditorEntriesPerPixel, t, t / plain);
        editor->command(QStringLiteral("zoomin"))->trigger();
    }

    // Loading the track empties the cache: the count starts with its first view.
    const int64_t before = editor->cache().BlocksRead();
    window.command(QStringLiteral("mnuEditFadeIn"))->trigger();
    QScrollBar* scroll = editor->scrollBar();
    int steps = 0;
    while (scroll->value() < scroll->maximum()) {
        scroll->triggerAction(QAbstractSlider::SliderSingleStepAdd);
        ++steps;
    }
    const int64_t reads = editor->cache().BlocksRead() - before;
    const int blocks = Seconds / 10;
    std::printf("scroll from start to end at zoom 0 in %d small steps\n", steps);
    std::printf("  blocks in the track %d, blocks read %lld   ratio %.2f   (must be 1.00)\n", blocks,
                static_cast<long long>(reads), double(reads) / blocks);
    return 0;
}
