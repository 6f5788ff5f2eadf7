#include "track_name.h"

#include "play_list.h"

#include <QCoreApplication>

QString TrackName(int number, const QString& title)
{
    return QCoreApplication::translate("TrackName", "No.%1:\"%2\"").arg(QString::number(number), title);
}

QString TrackName(const PlayList& list, int track)
{
    return TrackName(track, list.TrackAt(track).title);
}
