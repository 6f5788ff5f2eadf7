#include "listed_files.h"

#include "file_version.h"
#include "play_list.h"
#include "same_file.h"

bool ListHoldsFile(const PlayList& list, const QString& path)
{
    for (int i = 1; i <= list.TrackCount(); ++i) {
        if (SameFile(list.TrackAt(i).path, path))
            return true;
    }
    return false;
}

bool ListHoldsConversionOf(const PlayList& list, const QString& path)
{
    const auto source = FileVersion::OfPath(path);
    if (!source)
        return false;
    for (int i = 1; i <= list.TrackCount(); ++i) {
        const auto& from = list.TrackAt(i).convertedFrom;
        if (from && from->SameFileAs(*source))
            return true;
    }
    return false;
}
