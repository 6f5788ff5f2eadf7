#include "level_editing.h"
int LevelEditing::FindLoudestTrack(const PlayList&) { return 0; }
QString LevelEditing::LevelPrompt(const PlayList&, int) { return {}; }
QString LevelEditing::LevelText(const PlayList&, int) { return {}; }
DialogOutcome LevelEditing::ApplyLevel(PlayList&, int, const QString&) { return {}; }
ListChange LevelEditing::NormalizeOne(PlayList&, bool) { return {}; }
ListChange LevelEditing::NormalizeAll(PlayList&, bool) { return {}; }
ListChange LevelEditing::CompressLevels(PlayList&) { return {}; }
EditMessage LevelEditing::VolumeMessage() { return {}; }
