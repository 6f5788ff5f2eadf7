#include "list_texts.h"
QStringList ListTexts::HeaderCells() { return {}; }
std::array<int, ListTexts::ColumnCount> ListTexts::ColumnWidthsTwips() { return {}; }
int ListTexts::EndRow(const PlayList&) { return 1; }
QStringList ListTexts::TrackRowCells(const PlayList&, int) { return {}; }
QStringList ListTexts::MuteRowCells(const PlayList&, int) { return {}; }
QStringList ListTexts::EndRowCells(const PlayList&) { return {}; }
qint64 ListTexts::TotalGap(const PlayList&, int) { return 0; }
QString ListTexts::TrackMenuCaption(const PlayList&, int) { return {}; }
bool ListTexts::TrackMenuChecked(const PlayList&, int) { return false; }
std::array<QString, 3> ListTexts::StatusPanels(const PlayList&) { return {}; }
