#include "mute_editing.h"
MuteParts MuteEditing::SplitMute(int32_t) { return {}; }
QString MuteEditing::MutePrompt(const PlayList&, int) { return {}; }
DialogOutcome MuteEditing::ApplyMute(PlayList&, int, bool, const QString&, const QString&, const QString&) { return {}; }
void MuteEditing::AutoMuteTrack(PlayList&, int, int32_t) {}
ListChange MuteEditing::AutoMuteOne(PlayList&, int32_t) { return {}; }
ListChange MuteEditing::AutoMuteAll(PlayList&, int32_t) { return {}; }
EditMessage MuteEditing::TooLongMessage() { return {}; }
EditMessage MuteEditing::BeyondPostMuteMessage() { return {}; }
