#include "play_list.h"

PlayList::PlayList() {}
qint64 PlayList::DiscLength() const { return 0; }
int PlayList::SelectRow(int cursorRow) { return cursorRow; }
void PlayList::SaveUndo() {}
ListChange PlayList::RestoreUndo() { return {}; }
void PlayList::UpdateTimeline(int, int) {}
int PlayList::AddTrack(const QString&, const QString&, const TrackRecord&) { return 0; }
ListChange PlayList::AddedTrackChange(int) const { return {}; }
ListChange PlayList::DeleteSelected() { return {}; }
ListChange PlayList::MoveSelectedToTop() { return {}; }
ListChange PlayList::MoveSelectedUp() { return {}; }
ListChange PlayList::MoveSelectedDown() { return {}; }
ListChange PlayList::MoveSelectedToEnd() { return {}; }
ListChange PlayList::MoveTrackTo(int) { return {}; }
bool PlayList::MoveList(int, int) { return false; }
void PlayList::placeFromUndo(int, int) {}
CommandStates PlayList::RefreshCommands(int, bool) { return {}; }
