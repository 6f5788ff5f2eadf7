// Saving every track: the overwrite save and the save to another directory,
// each asking first, then SaveAllFiles, which saves the tracks in list order
// inside one progress dialog fFileSave per track. Every saved file is named
// after its place in the list and the list then refers to it.
#pragma once

#include "TrackSaver.h"
#include "list_change.h"

#include <QString>

#include <cstdint>
#include <functional>

class DirectoryPrompt;
class PlayList;
class Prompts;
class QWidget;

class SaveWorkflow {
public:
    // applyChange redraws a saved track's rows and the play bar.
    using ChangeSink = std::function<void(const ListChange&)>;
    // batchStarting runs first in every batch: it closes the fade editor
    // window, whose track's file is about to change (EditorTrack becomes -1
    // here). batchFinished runs after every batch, once the undo copy is
    // gone: RefreshCommands, then disable mnuFileSave and mnuFileAnother.
    using BatchHook = std::function<void()>;

    SaveWorkflow(PlayList& list, Prompts& prompts, DirectoryPrompt& directories, ChangeSink applyChange,
                 BatchHook batchStarting, BatchHook batchFinished, QWidget* parent);

    // mnuFileSave: asks, then saves every track in place. Nothing happens
    // with an empty list.
    void SaveCommand();
    // mnuFileAnother: asks for the target directory, warns about the files
    // there that would be replaced, then saves copies of every track into
    // it. Nothing happens with an empty list.
    void SaveAnotherCommand();

    // Saves tracks 1, 2, ... in order, into AnotherSavePath (ending in the
    // path separator) when AnotherSaveXSave is 1, in place when it is 0. Stops
    // after the first track whose dialog ends with CancelFlag other than
    // 1002: a failure, a failed rename, or Cancel.
    void SaveAllFiles(const QString& AnotherSavePath, int AnotherSaveXSave);

    // After a batch: 1002 when every track was saved, 1001 after Cancel,
    // otherwise the failure that stopped it.
    int32_t CancelFlag() const { return m_cancelFlag; }

private:
    void savePending(QWidget* dialog);

    PlayList& m_list;
    Prompts& m_prompts;
    DirectoryPrompt& m_directories;
    ChangeSink m_applyChange;
    BatchHook m_batchStarting;
    BatchHook m_batchFinished;
    QWidget* m_parent;
    QString m_pendingPath;
    QString m_pendingTitle;
    int m_saveIndex = 0;
    TrackSaver::Mode m_saveMode = TrackSaver::InPlace;
    int32_t m_cancelFlag = 0;
};
