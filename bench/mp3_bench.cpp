// MP3 decoding side by side in one run:
//  1. a five-minute 192 kbit/s stereo MP3 decoded by the decoder library
//     beside `mpg123 -w OUT.wav IN.mp3`, the same decoder's own tool
//     (limit 1.15);
//  2. the same at 48 kHz, where the library also resamples to 44.1 kHz with
//     libsoxr and dithers, and mpg123 writes the stream's own rate (no
//     limit: the figure shows what the rate change costs);
//  3. ten 44.1 kHz files opened through the program's open workflow (decode
//     dialog, then the analysis of the WAV file) beside the library's decode
//     time for the ten (limit 1.30).
//
//   bench_mp3 [folder]   (default: a temporary folder; needs 600 MB)
#include "median.h"
#include "DecodeDirectory.h"
#include "DirectoryPrompt.h"
#include "OpenWorkflow.h"
#include "Prompts.h"
#include "Vbmp3Library.h"
#include "play_list.h"
#include "vbmp3.h"
#include "platform_notes.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <thread>
#include <vector>

namespace {

constexpr int Files = 10;
constexpr int Seconds = 300;
constexpr int Rounds = 3;

// Five minutes of a tone under noise at the given rate, encoded by lame at
// 192 kbit/s.
void writeMp3(const QString& path, uint32_t rate)
{
    const QString wav = path + QStringLiteral(".wav");
    QFile file(wav);
    if (!file.open(QIODevice::WriteOnly))
        qFatal("cannot write %s", qPrintable(wav));
    const uint32_t frames = rate * Seconds;
    const uint32_t dataBytes = frames * 4;
    const uint32_t header[] = {0x46464952, 36 + dataBytes, 0x45564157, 0x20746d66, 16, 0x00020001, rate, rate * 4,
                               0x00100004, 0x61746164, dataBytes};
    file.write(reinterpret_cast<const char*>(header), sizeof header);
    std::vector<int16_t> block(2 * rate);
    uint32_t seed = 1;
    for (uint32_t second = 0; second < Seconds; ++second) {
        for (size_t i = 0; i < block.size(); i += 2) {
            seed = seed * 1664525u + 1013904223u;
            const double t = double(second * rate + i / 2) / double(rate);
            const auto value = int16_t(10000.0 * std::sin(2 * M_PI * 440 * t) + int32_t(seed >> 16) % 3000);
            block[i] = value;
            block[i + 1] = int16_t(value / 2);
        }
        file.write(reinterpret_cast<const char*>(block.data()), qint64(block.size() * 2));
    }
    file.close();
    const QString command = QStringLiteral("lame --quiet -b 192 '%1' '%2'").arg(wav, path);
    if (std::system(command.toLocal8Bit().constData()) != 0)
        qFatal("lame failed");
    QFile::remove(wav);
}

double seconds(const QElapsedTimer& clock)
{
    return clock.nsecsElapsed() / 1e9;
}

double libraryDecode(const QStringList& mp3s, const QString& wav)
{
    QElapsedTimer clock;
    clock.start();
    for (const QString& mp3 : mp3s) {
        VBMP3_INFORMATION info{};
        vbmp3_init();
        if (vbmp3_open(QFile::encodeName(mp3).constData(), &info) == 0 ||
            vbmp3_decodeWave(QFile::encodeName(wav).constData()) == 0)
            qFatal("the library did not decode %s", qPrintable(mp3));
        while (vbmp3_getState(nullptr) != 0)
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        vbmp3_close();
        vbmp3_free();
    }
    return seconds(clock);
}

double toolDecode(const QString& mp3, const QString& wav)
{
    const QString command = QStringLiteral("mpg123 -q -w '%1' '%2'").arg(wav, mp3);
    QElapsedTimer clock;
    clock.start();
    if (std::system(command.toLocal8Bit().constData()) != 0)
        qFatal("mpg123 failed");
    return seconds(clock);
}

// Chooses nothing and answers every message; any message is a failure.
class SilentPrompts : public Prompts {
public:
    Answer message(QWidget*, const QString& text, const QString&, Buttons, Answer) override
    {
        qFatal("unexpected message: %s", qPrintable(text));
    }
    QStringList openFileNames(QWidget*, const QString&, const QString&) override { return {}; }
};

class FixedDirectory : public DirectoryPrompt {
public:
    explicit FixedDirectory(QString directory) : m_directory(std::move(directory)) {}
    QString existingDirectory(QWidget*, const QString&, const QString&) override { return m_directory; }

private:
    QString m_directory;
};

double throughWorkflow(const QStringList& mp3s, const QString& decodeFolder)
{
    QDir(decodeFolder).removeRecursively();
    QDir().mkpath(decodeFolder);
    PlayList list;
    SilentPrompts prompts;
    FixedDirectory chooser(decodeFolder);
    DecodeDirectory directory(prompts, chooser);
    directory.Choose(nullptr);
    const Settings settings;
    OpenWorkflow open(list, prompts, settings, directory, Vbmp3Library::DefaultFiles(), [](const ListChange&) {},
                      nullptr);
    QElapsedTimer clock;
    clock.start();
    open.OpenFiles(mp3s);
    const double elapsed = seconds(clock);
    if (list.TrackCount() != Files)
        qFatal("only %d tracks opened", list.TrackCount());
    return elapsed;
}

}  // namespace

int main(int argc, char* argv[])
{
    QTemporaryDir scratch;
    QTemporaryDir home;
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(home.path()));
    platformnotes::silence();
    QApplication application(argc, argv);
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : scratch.path();
    QDir().mkpath(folder);

    const QString first = folder + QStringLiteral("/song01.mp3");
    if (!QFile::exists(first))
        writeMp3(first, 44100);
    const QString at48k = folder + QStringLiteral("/song48k.mp3");
    if (!QFile::exists(at48k))
        writeMp3(at48k, 48000);
    QStringList mp3s{first};
    for (int i = 2; i <= Files; ++i) {
        const QString copy = QStringLiteral("%1/song%2.mp3").arg(folder).arg(i, 2, 10, QLatin1Char('0'));
        QFile::remove(copy);
        QFile::copy(first, copy);
        mp3s << copy;
    }
    const QString wav = folder + QStringLiteral("/out.wav");
    libraryDecode({first, at48k}, wav);  // both sides read the MP3s from the page cache

    std::vector<double> library, tool, library48, tool48, libraryTen, workflow;
    for (int round = 0; round < Rounds; ++round) {
        library.push_back(libraryDecode({first}, wav));
        tool.push_back(toolDecode(first, wav));
        library48.push_back(libraryDecode({at48k}, wav));
        tool48.push_back(toolDecode(at48k, wav));
        libraryTen.push_back(libraryDecode(mp3s, wav));
        workflow.push_back(throughWorkflow(mp3s, folder + QStringLiteral("/decoded")));
    }
    QFile::remove(wav);
    QDir(folder + QStringLiteral("/decoded")).removeRecursively();

    const double l = median(library), t = median(tool), lt = median(libraryTen), w = median(workflow);
    const double l48 = median(library48), t48 = median(tool48);
    std::printf("decode a five-minute 192 kbit/s stereo MP3 (median of %d)\n", Rounds);
    std::printf("  mpg123 -w               %7.3f s\n", t);
    std::printf("  libvbmp3                %7.3f s   ratio %.2f (limit 1.15)\n", l, l / t);
    std::printf("the same at 48 kHz: mpg123 writes 48 kHz, libvbmp3 resamples to 44.1 kHz\n");
    std::printf("  mpg123 -w               %7.3f s\n", t48);
    std::printf("  libvbmp3                %7.3f s   ratio %.2f\n", l48, l48 / t48);
    std::printf("open ten such MP3 files (median of %d)\n", Rounds);
    std::printf("  libvbmp3 decode alone   %7.3f s\n", lt);
    std::printf("  open workflow           %7.3f s   ratio %.2f (limit 1.30)\n", w, w / lt);
    return 0;
}
