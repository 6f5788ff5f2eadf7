#include "pq_sheet.h"

#include "pq_entries.h"

namespace {

QString time(qint64 frames)
{
    return pq::Msf(frames, QStringLiteral(":"));
}

QStringList trackRow(int number, const TrackPlace& place, const MasterTrack& track)
{
    return {QStringLiteral("%1").arg(number, 2, 10, QChar(u'0')), time(place.startFrame), time(place.frames),
            time(place.preGapFrames), track.isrc, track.title, track.performer};
}

}  // namespace

PqSheet BuildPqSheet(const MasterDisc& disc, const QString& imageMd5, const QDate& date)
{
    PqSheet sheet;
    sheet.heading = PqSheet::tr("PQｼｰﾄ");
    sheet.columns = {PqSheet::tr("No."), PqSheet::tr("開始"), PqSheet::tr("長さ"), PqSheet::tr("ﾎﾟｰｽﾞ"), PqSheet::tr("ISRC"), PqSheet::tr("ﾀｲﾄﾙ"), PqSheet::tr("演奏者")};
    const DiscLayout layout = LayoutOf(disc);
    for (qsizetype i = 0; i < disc.tracks.size(); ++i)
        sheet.rows.append(trackRow(int(i) + 1, layout.tracks[i], disc.tracks[i]));
    sheet.rows.append({PqSheet::tr("ﾘｰﾄﾞｱｳﾄ"), time(layout.leadOutFrame), {}, {}, {}, {}, {}});
    sheet.disc = {{PqSheet::tr("ﾀｲﾄﾙ"), disc.title},
                  {PqSheet::tr("演奏者"), disc.performer},
                  {PqSheet::tr("ｶﾀﾛｸﾞ番号(UPC/JAN)"), disc.catalog},
                  {PqSheet::tr("ﾄﾗｯｸ数"), QString::number(disc.tracks.size())},
                  {PqSheet::tr("合計時間"), time(layout.trackFrames())}};
    if (!imageMd5.isEmpty())
        sheet.disc.append({PqSheet::tr("IMAGE.DATのMD5"), imageMd5});
    sheet.disc.append({PqSheet::tr("日付"), date.toString(Qt::ISODate)});
    return sheet;
}
