// mnuFileSplit, and a CUE sheet opened through 開く, a drop or a later
// start's hand-over: one recording (or the files a sheet names, one after
// another) shown in fSplit with the sheet's marks, if any; OK writes the
// pieces into a chosen folder inside a progress dialog with Cancel and adds
// them to the list, playing straight through.
//
// A WAV file of the engine's layout is read as it is; any other audio file
// takes the conversion route first, so that the pieces are the route's
// result. A FLAC file's embedded cue sheet gives its marks.
#pragma once

#include "cue_sheet_reader.h"
#include "list_change.h"
#include "play_list.h"
#include "recording.h"
#include "wave_overview.h"

#include <QString>
#include <QStringList>

#include <cstdint>
#include <functional>
#include <optional>

class DecodeDirectory;
class DirectoryPrompt;
class Prompts;
class QWidget;
class SplitMarks;

class SplitCommand {
public:
    // What the main window does for a split.
    struct ListHooks {
        // Stops the list's playback: the split window plays through the
        // same output.
        std::function<void()> StopPlayer;
        // Opens the WAV files at the list's end, as the open command opens
        // them (its progress dialog and messages).
        std::function<void(const QStringList& paths)> OpenFiles;
        std::function<void(const ListChange&)> ApplyListChange;
        // Files joined the list: the undo copy no longer applies.
        std::function<void()> Listed;
    };

    SplitCommand(PlayList& list, Prompts& prompts, DirectoryPrompt& directories, DecodeDirectory& decodeDirectory,
                 ListHooks hooks, QWidget* parent);

    // mnuFileSplit: asks for one file and opens it.
    void SplitCommandClick(const QString& audioFilter);
    // Opens a recording or a sheet in fSplit.
    void Open(const QString& path);

private:
    struct Source {
        Recording recording;
        std::optional<SheetPlan> plan;
    };
    std::optional<Source> sourceOfSheet(const QString& path);
    std::optional<Source> sourceOfFile(const QString& path);
    std::optional<RecordingPart> partOf(const QString& path);
    std::optional<SheetPlan> placed(const QString& sheetName, const ReadSheet& sheet, const QList<int64_t>& samples);
    bool scan(const QString& fileName, const Recording& recording, WaveOverview& overview);
    bool write(const Recording& recording, const SplitMarks& marks, const DiscTexts& disc, const QString& startIn,
               QWidget* parent);
    void tell(const QString& text, QWidget* parent);

    PlayList& m_list;
    Prompts& m_prompts;
    DirectoryPrompt& m_directories;
    DecodeDirectory& m_decodeDirectory;
    ListHooks m_hooks;
    QWidget* m_parent;
    int32_t m_cancelFlag = 0;
};
