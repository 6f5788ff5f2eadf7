// The commands that take the disc out of the program: the CUE sheet
// (mnuFileCue), the plant master and its PQ sheet (mnuFileDdp,
// mnuFilePqSheet) and the CD-R write (mnuFileWrite). They share one rule,
// apart from the command-state table: they are offered while every track's
// file holds what the list plays and nothing plays (CueSheetAvailable).
#pragma once

#include "CueSheetWorkflow.h"
#include "DdpWorkflow.h"
#include "DiscWriteCommand.h"

class MainCommands;
class PlayList;
class Prompts;
class QWidget;
class SaveFilePrompt;

class DiscOutputCommands {
public:
    // checkImage opens a written DDP image for checking.
    DiscOutputCommands(const PlayList& list, Prompts& prompts, SaveFilePrompt& saveFiles, QWidget* parent,
                       std::function<void(const QString& folder)> checkImage);

    void registerWith(MainCommands& commands);
    // Enables or disables every one of them by the shared rule.
    void refresh(MainCommands& commands, bool playerActive) const;
    // The program ends: a write under way is aborted and waited for, an
    // image being exported stops and leaves nothing.
    void Abandon()
    {
        m_ddp.Abandon();
        m_write.Abandon();
    }

private:
    const PlayList& m_list;
    CueSheetWorkflow m_cue;
    DdpWorkflow m_ddp;
    DiscWriteCommand m_write;
};
