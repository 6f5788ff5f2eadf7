// Saving 30 five-minute tracks to another directory through the program's
// save workflow (one modal progress dialog per track, progress callbacks
// that let events run, the rename bookkeeping and redraw requests) against
// FileSave alone on the same records into another folder. Both write the
// same bytes; the ratio is what the workflow adds. Runs alternate, the one
// that goes first changing every run, and every run starts with the file
// system's dirty pages written out, so that write-back left over from the
// previous run and the machine's load fall on both alike. Wall-clock time
// and the process's processor time are both reported: on a busy machine the
// second shows more steadily what the dialogs themselves cost.
#include "median.h"
#include "DirectoryPrompt.h"
#include "EngineRecord.h"
#include "Prompts.h"
#include "SaveWorkflow.h"
#include "play_list.h"
#include "platform_notes.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>

#include <sys/resource.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <vector>

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

namespace {

constexpr int Tracks = 30;
constexpr int Seconds = 300;
constexpr int Runs = 7;
constexpr uint32_t BytesPerSecond = 176400;

// A five-minute WAV of noise, distinct per seed, so that no block is trivial.
void writeNoiseWav(const fs::path& path, uint32_t seed)
{
    const uint32_t dataBytes = Seconds * BytesPerSecond;
    uint8_t header[44] = {'R', 'I', 'F', 'F', 0, 0, 0, 0, 'W', 'A', 'V', 'E', 'f', 'm', 't', ' ',
                          16, 0, 0, 0, 1, 0, 2, 0, 0x44, 0xAC, 0, 0, 0x10, 0xB1, 2, 0, 4, 0, 16, 0,
                          'd', 'a', 't', 'a', 0, 0, 0, 0};
    for (int i = 0; i < 4; ++i) {
        header[4 + i] = uint8_t((dataBytes + 36) >> (8 * i));
        header[40 + i] = uint8_t(dataBytes >> (8 * i));
    }
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(header), sizeof header);
    std::vector<int16_t> block(1 << 16);
    uint32_t x = seed * 2654435761u + 1;
    for (uint32_t written = 0; written < dataBytes; written += uint32_t(block.size() * 2)) {
        for (auto& sample : block) {
            x ^= x << 13;
            x ^= x >> 17;
            x ^= x << 5;
            sample = int16_t(int(x % 40001) - 20000);
        }
        const size_t n = std::min<size_t>(block.size() * 2, dataBytes - written);
        out.write(reinterpret_cast<const char*>(block.data()), std::streamsize(n));
    }
}

// No question is expected: the target folders start empty.
class NoPrompts : public Prompts {
public:
    Answer message(QWidget*, const QString& text, const QString&, Buttons, Answer) override
    {
        std::fprintf(stderr, "unexpected message: %s\n", qPrintable(text));
        return Answer::Ok;
    }
    QStringList openFileNames(QWidget*, const QString&, const QString&) override { return {}; }
};

class FixedDirectory : public DirectoryPrompt {
public:
    QString existingDirectory(QWidget*, const QString&, const QString&) override { return directory; }
    QString directory;
};

struct Timing {
    double wallMs = 0;
    double processorMs = 0;
};

// User and system time of this process so far.
double processorMsNow()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const auto ms = [](const timeval& t) { return double(t.tv_sec) * 1000.0 + double(t.tv_usec) / 1000.0; };
    return ms(usage.ru_utime) + ms(usage.ru_stime);
}

Timing timingOf(const std::function<void()>& work)
{
    const double processorStart = processorMsNow();
    const auto start = Clock::now();
    work();
    return {std::chrono::duration<double, std::milli>(Clock::now() - start).count(),
            processorMsNow() - processorStart};
}

QString qpath(const fs::path& path)
{
    return QFile::decodeName(path.c_str());
}

// Empties folder and writes out every dirty page, outside the timing.
void emptyFolder(const fs::path& folder)
{
    fs::remove_all(folder);
    fs::create_directory(folder);
    ::sync();
}

}  // namespace

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    platformnotes::silence();
    QApplication application(argc, argv);
    QTemporaryDir scratch(QDir::currentPath() + QStringLiteral("/app-save-bench-XXXXXX"));
    const fs::path root = QFile::encodeName(scratch.path()).toStdString();
    const fs::path sources = root / "sources";
    const fs::path target = root / "target";
    fs::create_directory(sources);

    // The records both contenders save: analysed, with a level edit so that
    // every sample is rendered.
    PlayList original;
    for (int i = 1; i <= Tracks; ++i) {
        const fs::path path = sources / ("track" + std::to_string(i) + ".wav");
        writeNoiseWav(path, uint32_t(i));
        Track track;
        track.path = qpath(path);
        EngineRecord engineRecord(track);
        if (FileOpen(engineRecord.path(), engineRecord.record(), 80, -1, nullptr) != ENGINE_SUCCESS) {
            std::fprintf(stderr, "FileOpen failed on %s\n", path.c_str());
            return 1;
        }
        engineRecord.copyNumbersTo(track);
        track.record.levelPercent = 90;
        original.AddTrack(QString::fromStdString(path.filename().string()), track.path, track.record);
    }

    const auto fileSaveAlone = [&] {
        for (int i = 1; i <= Tracks; ++i) {
            Track track = original.TrackAt(i);
            EngineRecord engineRecord(track);
            const std::string destination = (target / ("M" + std::to_string(100 + i).substr(1) + "_" +
                                                       track.title.toStdString()))
                                                .string();
            if (FileSave(destination.c_str(), engineRecord.record(), 1, nullptr) != ENGINE_SUCCESS)
                std::fprintf(stderr, "FileSave failed on track %d\n", i);
        }
    };
    const auto workflow = [&] {
        PlayList list = original;
        NoPrompts prompts;
        FixedDirectory directory;
        directory.directory = qpath(target) + u'/';
        SaveWorkflow save(list, prompts, directory, [](const ListChange&) {}, [] {}, [] {}, nullptr);
        save.SaveAllFiles(directory.directory, 1);
        if (save.CancelFlag() != ENGINE_SUCCESS)
            std::fprintf(stderr, "the batch ended with %d\n", save.CancelFlag());
    };

    std::vector<Timing> alone;
    std::vector<Timing> program;
    for (int run = 0; run < Runs; ++run) {
        for (int turn = 0; turn < 2; ++turn) {
            emptyFolder(target);
            if ((run + turn) % 2 == 0)
                alone.push_back(timingOf(fileSaveAlone));
            else
                program.push_back(timingOf(workflow));
        }
    }
    fs::remove_all(target);

    const auto medianOf = [](const std::vector<Timing>& timings, double Timing::*field) {
        std::vector<double> values;
        for (const Timing& timing : timings)
            values.push_back(timing.*field);
        return median(values);
    };
    std::printf("Saving %d five-minute tracks (%u MB each) to another directory, median of %d runs\n\n", Tracks,
                Seconds * BytesPerSecond / 1000000, Runs);
    std::printf("  %-44s %12s %14s\n", "", "wall clock", "processor");
    for (const auto& [what, timings] : {std::pair{"FileSave alone", &alone},
                                        std::pair{"SaveAllFiles with fFileSave dialogs", &program}})
        std::printf("  %-44s %9.1f ms %11.1f ms\n", what, medianOf(*timings, &Timing::wallMs),
                    medianOf(*timings, &Timing::processorMs));
    std::printf("  %-44s %12.2f %14.2f   (goal at most 1.30)\n", "ratio",
                medianOf(program, &Timing::wallMs) / medianOf(alone, &Timing::wallMs),
                medianOf(program, &Timing::processorMs) / medianOf(alone, &Timing::processorMs));
    return 0;
}
