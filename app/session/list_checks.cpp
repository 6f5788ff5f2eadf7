#include "list_checks.h"

#include "record_check.h"

#include <QFile>

#include <unistd.h>

bool VersionUnchanged(const FileVersion& recorded, const FileVersion& now, VersionMatch match)
{
    if (recorded.device == 0 && recorded.inode == 0) {
        const auto milliseconds = [](const FileVersion& v) {
            return v.modifiedSeconds * 1000 + v.modifiedNanoseconds / 1'000'000;
        };
        return recorded.size == now.size && milliseconds(recorded) == milliseconds(now);
    }
    if (match == VersionMatch::SameFile && !recorded.SameFileAs(now))
        return false;
    return recorded.size == now.size && recorded.modifiedSeconds == now.modifiedSeconds &&
           recorded.modifiedNanoseconds == now.modifiedNanoseconds;
}

TrackVerdict CheckListedTrack(const Track& listed, VersionMatch match)
{
    if (!listed.path.endsWith(QStringLiteral(".wav"), Qt::CaseInsensitive))
        return TrackVerdict::NotWav;
    const auto now = FileVersion::OfRegularFile(listed.path);
    if (!now || ::access(QFile::encodeName(listed.path).constData(), R_OK) != 0)
        return TrackVerdict::Missing;
    if (!listed.version || !VersionUnchanged(*listed.version, *now, match))
        return TrackVerdict::Changed;
    return RecordIsConsistent(listed.record, now->size) ? TrackVerdict::Stored : TrackVerdict::Unsound;
}
