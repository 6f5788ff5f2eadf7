// The list files and the journal on the user-interface thread:
//  - one edit with 30 tracks listed, the journal's hand-off included, and
//    the hand-off alone (99th percentile of 200 edits; the write itself runs
//    on the journal's worker meanwhile);
//  - opening a list file of 30 unchanged tracks beside opening the same 30
//    files through the open workflow (median of 3).
//
//   bench_session [folder]   (default: a temporary folder; needs 160 MB)
#include "median.h"
#include "noise_track.h"
#include "PlayListWindow.h"
#include "Prompts.h"
#include "SaveFilePrompt.h"
#include "SettingsStore.h"
#include "level_editing.h"
#include "list_session.h"
#include "platform_notes.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QThread>

#include <cstdio>
#include <vector>

namespace {

constexpr int Tracks = 30;
constexpr int FramesPerTrack = 44100 * 30;
constexpr int Edits = 200;
constexpr int Rounds = 3;

// Answers every open dialog with the files given last; any message is a failure.
class ChoosingPrompts : public Prompts {
public:
    Answer message(QWidget*, const QString& text, const QString&, Buttons, Answer) override
    {
        qFatal("unexpected message: %s", qPrintable(text));
    }
    QStringList openFileNames(QWidget*, const QString&, const QString&) override { return chosen; }
    QStringList chosen;
};

class ChosenSave : public SaveFilePrompt {
public:
    explicit ChosenSave(QString path) : m_path(std::move(path)) {}
    QString saveFileName(QWidget*, const QString&, const QString&, const QString&) override { return m_path; }

private:
    QString m_path;
};

double percentile99(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() * 99 / 100];
}

// Opens through the toolbar's open button or the list command; seconds.
double openThrough(const QString& command, const QStringList& chosen, const QString& savedListPath = {})
{
    ChoosingPrompts prompts;
    prompts.chosen = chosen;
    SettingsStore store;
    PlayListWindow window(prompts, store);
    window.show();
    QApplication::processEvents();
    QElapsedTimer clock;
    clock.start();
    window.command(command)->trigger();
    QApplication::processEvents();
    const double seconds = clock.nsecsElapsed() / 1e9;
    if (window.playList().TrackCount() != Tracks)
        qFatal("only %d tracks opened", window.playList().TrackCount());
    if (!savedListPath.isEmpty()) {
        ChosenSave save(savedListPath);
        ListSession saver(window.playList(), prompts, save, nullptr, {}, savedListPath + QStringLiteral(".journal"));
        saver.SaveListCommand();
    }
    window.session().Discard();
    return seconds;
}

// Milliseconds on the user-interface thread per edit (the level of one
// track through the main window, journal hand-off included) and per
// hand-off alone, 99th percentile of Edits each.
std::pair<double, double> editCosts(const QStringList& paths)
{
    ChoosingPrompts prompts;
    prompts.chosen = paths;
    SettingsStore store;
    PlayListWindow window(prompts, store);
    window.show();
    window.command(QStringLiteral("mnuFileOpen"))->trigger();
    std::vector<double> edits, handOffs;
    QElapsedTimer clock;
    for (int k = 0; k < Edits; ++k) {
        const int track = 1 + k % Tracks;
        clock.start();
        window.ApplyListChange(
            LevelEditing::ApplyLevel(window.playList(), track, QString::number(50 + k % 50)).change);
        edits.push_back(clock.nsecsElapsed() / 1e6);
        clock.start();
        window.session().ListChanged();
        handOffs.push_back(clock.nsecsElapsed() / 1e6);
        // Time passes between edits, so that the journal's writes run on
        // its worker while later edits are measured.
        QThread::msleep(5);
        QApplication::processEvents();
    }
    window.session().Discard();
    return {percentile99(edits), percentile99(handOffs)};
}

}  // namespace

int main(int argc, char* argv[])
{
    QTemporaryDir scratch;
    QTemporaryDir home;
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(home.path()));
    qputenv("XDG_STATE_HOME", QFile::encodeName(home.path() + QStringLiteral("/state")));
    platformnotes::silence();
    QApplication application(argc, argv);
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : scratch.path();
    QDir().mkpath(folder);

    const QStringList paths = ensureNoiseTracks(folder, Tracks, FramesPerTrack / 44100);
    const QString listPath = folder + QStringLiteral("/disc.sonvelle");
    openThrough(QStringLiteral("mnuFileOpen"), paths, listPath);  // writes the list; warms the page cache

    const auto [edit, handOff] = editCosts(paths);
    std::vector<double> workflow, list;
    for (int round = 0; round < Rounds; ++round) {
        workflow.push_back(openThrough(QStringLiteral("mnuFileOpen"), paths));
        list.push_back(openThrough(QStringLiteral("mnuFileListOpen"), {listPath}));
    }
    const double w = median(workflow) * 1000;
    const double l = median(list) * 1000;
    std::printf("one edit with 30 tracks listed (99th percentile of %d)\n", Edits);
    std::printf("  edit incl. journal hand-off %7.3f ms   (goal 1 ms)\n", edit);
    std::printf("  journal hand-off alone      %7.3f ms\n", handOff);
    std::printf("open 30 thirty-second tracks (median of %d)\n", Rounds);
    std::printf("  open workflow (analysis)    %7.1f ms\n", w);
    std::printf("  list file, files unchanged  %7.1f ms   ratio %.3f (goal 50 ms)\n", l, l / w);
    return 0;
}
