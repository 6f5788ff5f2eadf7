// Opening tracks: the open dialog, and for every chosen or dropped file the
// progress dialog fFileOpen that checks for duplicates, analyses the file
// with the engine, reports failures and appends the track to the list.
#pragma once

#include "Mp3Route.h"
#include "Settings.h"
#include "list_change.h"
#include "play_list.h"  // TrackTexts (by the play list's own path: tests have a track.h of their own)

#include <QString>
#include <QStringList>

#include <cstdint>
#include <functional>
#include <memory>

class ConvertRoute;
class DecodeDirectory;
class FileOpenDialog;
class PlayList;
class Prompts;
class QWidget;

class OpenWorkflow {
public:
    // applyChange redraws the grid rows and the play bar a new track needs.
    using ChangeSink = std::function<void(const ListChange&)>;

    // MP3 files are decoded into decodeDirectory with the decoder library
    // found among decoderFiles.
    OpenWorkflow(PlayList& list, Prompts& prompts, const Settings& settings, DecodeDirectory& decodeDirectory,
                 QStringList decoderFiles, ChangeSink applyChange, QWidget* parent);
    ~OpenWorkflow();

    // From now on files the engine refuses for their layout, and every
    // other file FFmpeg's libraries open, are converted into directory and
    // then opened, and the open dialog offers those files too.
    void EnableConversion(DecodeDirectory& directory);

    // From now on CUE sheets among the files opened (by name: ".cue" in any
    // letter case) go to openSheet, after the batch's other files, and the
    // open dialog offers them too.
    void EnableSheets(std::function<void(const QString& path)> openSheet);
    static bool IsSheetName(const QString& path);
    // The open dialog's entry for CUE sheets.
    static QString SheetFilter();

    // The open dialog's filter: WAV files, and MP3 files when they can be
    // decoded.
    static QString OpenFilter(bool mp3Available);

    // mnuFileOpen: asks for files and opens them in order. False when the
    // user cancelled the dialog (nothing changed, nothing to refresh).
    bool OpenCommand(bool mp3Available);

    // Opens the files in order, stopping after one whose analysis the user
    // cancelled. The caller then makes undo unavailable and refreshes the
    // command states.
    void OpenFiles(const QStringList& paths);

    // One file: path is its full path, title its name without directory.
    // What the file holds chooses the route, never its name: a RIFF WAVE
    // file is opened as a WAV file, MPEG audio is decoded by the MP3
    // decoder first, and with conversion enabled any other audio file, and
    // a WAV file the engine refuses for its layout, is converted first.
    // Anything else is refused with a message naming the file, but for an
    // unreadable file named as a WAV file, which the engine reports as
    // described. Within a
    // batch the batch's progress dialog is used, else its own.
    void OpenTrackFile(const QString& path, const QString& title);

    // 1001 after a cancelled analysis or decode; otherwise the last engine result, or
    // 1 when a message was shown.
    int32_t CancelFlag() const { return m_cancelFlag; }

private:
    // The engine's analysis of a WAV file. mayConvert: a file the engine
    // refuses for its layout is left to the conversion route.
    void openThroughEngine(const QString& path, const QString& title, bool mayConvert);
    void openDecoded(const QString& path, const QString& title);
    void openConverted(const QString& path, const QString& title);
    void refuse(const QString& title);
    void analysePending(QWidget* dialog);

    PlayList& m_list;
    Prompts& m_prompts;
    const Settings& m_settings;
    ChangeSink m_applyChange;
    QWidget* m_parent;
    Mp3Route m_mp3;
    FileOpenDialog* m_batchDialog = nullptr;
    QString m_pendingPath;
    QString m_pendingTitle;
    TrackTexts m_pendingTexts;  // from the tags of the file OpenTrackFile was given
    int32_t m_cancelFlag = 0;
    std::unique_ptr<ConvertRoute> m_convert;
    std::function<void(const QString&)> m_openSheet;
    bool m_mayConvert = false;       // the file being analysed may take the conversion route
    bool m_conversionDue = false;    // its analysis found it convertible
};
