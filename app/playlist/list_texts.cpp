#include "list_texts.h"

#include "cd_time.h"
#include "play_list.h"
#include "shown_number.h"

#include <QCoreApplication>

namespace {

constexpr qint64 BytesPerFrame = 2352;

QString twoDigits(int value)
{
    return QStringLiteral("%1").arg(value, 2, 10, QLatin1Char('0'));
}

}  // namespace

QStringList ListTexts::HeaderCells()
{
    return {QCoreApplication::translate("ListTexts", "No."),      QCoreApplication::translate("ListTexts", "Time"),      QCoreApplication::translate("ListTexts", "Title"),
            QCoreApplication::translate("ListTexts", "Pre Mute"), QCoreApplication::translate("ListTexts", "Length"),    QCoreApplication::translate("ListTexts", "Post Mute"),
            QCoreApplication::translate("ListTexts", "Total Mute"), QCoreApplication::translate("ListTexts", "Level")};
}

std::array<int, ListTexts::ColumnCount> ListTexts::ColumnWidthsTwips()
{
    return {350, 900, 2076, 900, 900, 900, 900, 550};
}

int ListTexts::EndRow(const PlayList& list)
{
    return 2 * list.TrackCount() + 1;
}

QStringList ListTexts::TrackRowCells(const PlayList& list, int i)
{
    const TrackRecord& r = list.TrackAt(i).record;
    return {twoDigits(i),
            FormatCdTime(list.TrackTimeline().at(i).start),
            list.TrackAt(i).title,
            FormatCdTime(r.preMuteBytes),
            FormatCdTime(r.soundBytes),
            FormatCdTime(r.postMuteBytes),
            QString(),
            QString::number(r.levelPercent)};
}

QStringList ListTexts::MuteRowCells(const PlayList& list, int i)
{
    return {QString(),
            FormatCdTime(list.TrackTimeline().at(i).dataEnd),
            QCoreApplication::translate("ListTexts", "           MUTE"),
            QString(),
            FormatCdTime(list.TrackAt(i).record.muteAdjustBytes),
            QString(),
            FormatCdTime(TotalGap(list, i)),
            QString()};
}

QStringList ListTexts::EndRowCells(const PlayList& list)
{
    return {QString(), FormatCdTime(list.DiscLength()), QCoreApplication::translate("ListTexts", "   ------  END  ------"),
            QString(), QString(), QString(), QString(), QString()};
}

qint64 ListTexts::TotalGap(const PlayList& list, int i)
{
    // After the last track there is no next track, whatever a slot above the
    // end may still hold from earlier deletions: its leading silence is 0.
    const TrackRecord& r = list.TrackAt(i).record;
    const qint64 nextPreMute = i < list.TrackCount() ? list.TrackAt(i + 1).record.preMuteBytes : 0;
    return (r.postMuteBytes / BytesPerFrame + nextPreMute / BytesPerFrame) * BytesPerFrame + r.muteAdjustBytes;
}

QString ListTexts::TrackMenuCaption(const PlayList& list, int i)
{
    return QCoreApplication::translate("ListTexts", "No.") + twoDigits(i) + QStringLiteral(": ") + list.TrackAt(i).title;
}

bool ListTexts::TrackMenuChecked(const PlayList& list, int i)
{
    return i == list.EditorTrack();
}

std::array<QString, 3> ListTexts::StatusPanels(const PlayList& list)
{
    std::array<QString, 3> panels = {QCoreApplication::translate("ListTexts", "FadeInLength =  "), QCoreApplication::translate("ListTexts", "FadeOutLength =  "),
                                     QCoreApplication::translate("ListTexts", "PeakLevel =  ")};
    if (list.TrackCount() == 0)
        return panels;
    const TrackRecord& r = list.TrackAt(list.SelectedTrack()).record;
    panels[0] += FormatCdTime(r.fadeInBytes);
    panels[1] += FormatCdTime(r.fadeOutBytes);
    panels[2] += shownnumber::integer(static_cast<qint64>(r.peakValue) * r.levelPercent / 100);
    return panels;
}
