// What the OK button of the level or the mute dialog leads to.
#pragma once

#include <optional>

#include "edit_message.h"
#include "list_change.h"

// Either a message to show while the dialog stays open (nothing changed),
// or the change to redraw before the dialog closes.
struct DialogOutcome {
    std::optional<EditMessage> message;
    ListChange change;
};
