// Which output files a save to another directory would replace.
#pragma once

#include <QString>
#include <QStringList>

class PlayList;

// The output names of the list's tracks, in list order, for which a file of
// exactly that name (letter case counts) already exists in directory, which
// ends in the path separator.
QStringList OverwrittenNames(const PlayList& list, const QString& directory);
