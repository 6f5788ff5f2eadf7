// mnuFileWrite: writes the list to CD-R through the dialog fWrite. The disc
// is built from the list when the dialog opens (for its notes and total
// time) and again at every start, so that a file changed meanwhile or a
// text the CD-TEXT cannot hold stops the write before cdrskin runs.
//
// A quit request (the window's close, a termination signal, the end of the
// desktop session) reaches it through Abandon: a write under way is aborted
// and waited for, and nothing more runs.
#pragma once

#include "copies_sequence.h"

class PlayList;
class Prompts;
class QWidget;

class DiscWriteCommand {
public:
    DiscWriteCommand(const PlayList& list, Prompts& prompts, QWidget* parent,
                     DriveNodes nodes = {});

    // The command state (CueSheetAvailable) offers it only with tracks whose
    // files hold their audio as listed, and no playback.
    void WriteCommand();
    void Abandon();

private:
    const PlayList& m_list;
    Prompts& m_prompts;
    QWidget* m_parent;
    DriveNodes m_nodes;
    CopiesSequence* m_sequence = nullptr;
};
