// The command that matches all levels by loudness: it waits behind the wait
// display for what is still being measured (Cancel: no change), matches
// every level at once with one undo copy, and shows what the matching has
// to say (a track that could not be read, near-silent tracks).
//
// A quit request (the window's close, a termination signal, the end of the
// desktop session) reaches it through Abandon: a wait under way ends at once
// and the command changes nothing.
#pragma once

#include "list_change.h"

#include <functional>

class LoudnessMeter;
class LoudnessWait;
class PlayList;
class Prompts;
class QWidget;

class LoudnessCommand {
public:
    // parent is the window messages belong to; applyChange redraws what a
    // change names.
    LoudnessCommand(PlayList& list, LoudnessMeter& meter, Prompts& prompts, QWidget* parent,
                    std::function<void(const ListChange&)> applyChange);

    // Runs the command, waiting behind wait when some track is not settled.
    void Run(LoudnessWait& wait);
    void Abandon();

private:
    PlayList& m_list;
    LoudnessMeter& m_meter;
    Prompts& m_prompts;
    QWidget* m_parent;
    std::function<void(const ListChange&)> m_applyChange;
    bool m_abandoned = false;
};
