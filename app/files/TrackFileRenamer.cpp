#include "TrackFileRenamer.h"

#include "play_list.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstdio>

TrackFileRenamer::TrackFileRenamer(PlayList& list)
    : m_list(list)
{
}

int TrackFileRenamer::trackUsing(const QString& path, int except) const
{
    const QString canonical = QFileInfo(path).canonicalFilePath();
    for (int j = 1; j <= m_list.TrackCount(); ++j) {
        if (j == except)
            continue;
        const QString& other = m_list.TrackAt(j).path;
        if (other == path || (!canonical.isEmpty() && QFileInfo(other).canonicalFilePath() == canonical))
            return j;
    }
    return 0;
}

TrackFileRenamer::Clearing TrackFileRenamer::clearFor(const QString& destination, int track)
{
    const int holder = trackUsing(destination, track);
    if (holder == 0)
        return {};
    Track& other = m_list.TrackAt(holder);
    const QString freeName = freeNameBeside(other.path);
    if (const int error = renameReplacing(other.path, freeName))
        return {error, {}};
    MovedAside moved{holder, other.path, freeName};
    other.path = freeName;
    return {0, moved};
}

void TrackFileRenamer::giveBack(const MovedAside& moved)
{
    if (moved.track == 0 || QFileInfo::exists(moved.from))
        return;
    if (renameReplacing(moved.to, moved.from) == 0)
        m_list.TrackAt(moved.track).path = moved.from;
}

int TrackFileRenamer::renameReplacing(const QString& from, const QString& to)
{
    if (std::rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) == 0)
        return 0;
    return errno;
}

QString TrackFileRenamer::freeNameBeside(const QString& path) const
{
    const int slash = path.lastIndexOf(u'/');
    const int dot = path.lastIndexOf(u'.');
    // The number goes before the extension, unless the name has none (or
    // is all extension, like ".wav").
    const int split = dot > slash + 1 ? dot : path.size();
    for (int n = 1;; ++n) {
        const QString candidate = path.left(split) + QStringLiteral(" (%1)").arg(n) + path.mid(split);
        if (!QFileInfo::exists(candidate) && !isTrackPath(candidate))
            return candidate;
    }
}

bool TrackFileRenamer::isTrackPath(const QString& path) const
{
    return trackUsing(path, 0) != 0;
}
