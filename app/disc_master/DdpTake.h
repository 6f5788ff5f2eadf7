// fDdpCheck's cmdTake: the image's tracks into the list. A plan the list
// cannot take (no main data, a PQ descriptor out of order, too many tracks,
// a track outside the main data) is refused by a message before anything is
// asked. Otherwise the list's unsaved work may go (asked as opening a list
// asks), a folder name that is not taken is asked for, the tracks are
// written there inside a progress dialog with Cancel, the list is replaced
// by them with the image's texts, codes and silences, and a message says
// how many joined it and what it could not hold.
#pragma once

#include "ddp_image.h"
#include "image_layout.h"
#include "list_change.h"

#include <QStringList>

#include <cstdint>
#include <functional>

class PlayList;
class Prompts;
class QWidget;
class SaveFilePrompt;

class DdpTake {
public:
    // What the main window does for a take.
    struct ListHooks {
        // Whether the list holds work that no file keeps.
        std::function<bool()> UnsavedWork;
        // Empties the list and opens the WAV files in order, as the open
        // command opens them (its progress dialog and messages).
        std::function<void(const QStringList& paths)> ListFiles;
        std::function<void(const ListChange&)> ApplyListChange;
        // The list was replaced: the undo copy no longer applies.
        std::function<void()> Listed;
    };

    DdpTake(PlayList& list, Prompts& prompts, SaveFilePrompt& saveFiles, ListHooks hooks);

    // block: the chosen CD-TEXT block. True when the tracks were taken.
    bool Run(const DdpImage& image, const ImageLayout& layout, int block, QWidget* parent);

private:
    bool mayReplaceList(QWidget* parent);
    QString askFolder(const DdpImage& image, QWidget* parent);
    void tell(const QString& text, QWidget* parent);

    PlayList& m_list;
    Prompts& m_prompts;
    SaveFilePrompt& m_saveFiles;
    ListHooks m_hooks;
    int32_t m_cancelFlag = 0;
};
