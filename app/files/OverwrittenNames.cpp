#include "OverwrittenNames.h"

#include "BuildSaveName.h"
#include "play_list.h"

#include <QFileInfo>

QStringList OverwrittenNames(const PlayList& list, const QString& directory)
{
    // Every existing file is listed, not only "*.wav" names: a title without
    // that ending is saved under its own name and would replace the file
    // just the same.
    QStringList names;
    for (int i = 1; i <= list.TrackCount(); ++i) {
        const QString name = BuildSaveName(i, list.TrackAt(i).title);
        if (QFileInfo(directory + name).isFile())
            names.append(name);
    }
    return names;
}
