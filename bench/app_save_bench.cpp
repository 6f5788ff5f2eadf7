// Saving 30 five-minute tracks to another directory through the program's
// save workflow (one modal progress dialog per track, progress callbacks
// that let events run, the rename bookkeeping and redraw requests) against
// FileSave alone on the same records into another folder. Both write the
// same bytes; the ratio is what the workflow adds. Runs alternate so that
// the machine's load and the page cache fall on both alike.
#include "DirectoryPrompt.h"
#include "EngineRecord.h"
#include "Prompts.h"
#include "SaveWorkflow.h"
#include "play_list.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>

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
constexpr int Runs = 3;
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
    QStringList openFileNames(QWidget*, const QString&) override { return {}; }
};

class FixedDirectory : public DirectoryPrompt {
public:
    QString existingDirectory(QWidget*) override { return directory; }
    QString directory;
};

double millisecondsOf(const std::function<void()>& work)
{
    const auto start = Clock::now();
    work();
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

QString qpath(const fs::path& path)
{
    return QFile::decodeName(path.c_str());
}

void emptyFolder(const fs::path& folder)
{
    fs::remove_all(folder);
    fs::create_directory(folder);
}

}  // namespace

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
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

    std::vector<double> alone;
    std::vector<double> program;
    for (int run = 0; run < Runs; ++run) {
        emptyFolder(target);
        alone.push_back(millisecondsOf(fileSaveAlone));
        emptyFolder(target);
        program.push_back(millisecondsOf(workflow));
    }
    fs::remove_all(target);

    const double aloneMs = median(alone);
    const double programMs = median(program);
    std::printf("Saving %d five-minute tracks (%u MB each) to another directory, median of %d runs\n\n", Tracks,
                Seconds * BytesPerSecond / 1000000, Runs);
    std::printf("  %-44s %9.1f ms\n", "FileSave alone", aloneMs);
    std::printf("  %-44s %9.1f ms\n", "SaveAllFiles with fFileSave dialogs", programMs);
    std::printf("  %-44s %9.2f   (goal at most 1.30)\n", "ratio", programMs / aloneMs);
    return 0;
}
