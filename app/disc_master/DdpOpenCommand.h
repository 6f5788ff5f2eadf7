// mnuFileDdpOpen: asks for a DDP image's folder and checks it. A folder that
// is no image (no DDPID, no DDPMS, a record of the wrong length) is refused
// by a message; otherwise every checksum is checked inside a progress
// dialog with Cancel, and fDdpCheck shows the disc and what the checks
// found, from where its tracks can be taken into the list.
#pragma once

#include "DdpTake.h"

#include <QString>

#include <cstdint>

class DirectoryPrompt;
class PlayList;
class Prompts;
class QWidget;
class SaveFilePrompt;

class DdpOpenCommand {
public:
    DdpOpenCommand(PlayList& list, Prompts& prompts, DirectoryPrompt& directories, SaveFilePrompt& saveFiles,
                   DdpTake::ListHooks hooks, QWidget* parent);

    void OpenCommand();
    // Checks the image in folder and shows it, as after choosing it.
    void CheckImage(const QString& folder);

private:
    Prompts& m_prompts;
    DirectoryPrompt& m_directories;
    QWidget* m_parent;
    DdpTake m_take;
    int32_t m_cancelFlag = 0;
    QString m_lastFolder;
};
