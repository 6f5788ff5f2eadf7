#include "image_rows.h"

#include "cd_frame.h"
#include "disc_layout.h"
#include "pq_entries.h"

#include <QCoreApplication>

namespace {

QString msf(qint64 frames)
{
    return pq::Msf(frames, QStringLiteral(":"));
}

QString two(int value)
{
    return QStringLiteral("%1").arg(value, 2, 10, QChar(u'0'));
}

class Rows {
    Q_DECLARE_TR_FUNCTIONS(ImageRows)

public:
    static QList<std::pair<QString, QString>> summary(const DdpImage& image, const ImageLayout& layout,
                                                      const CdTextSet& texts)
    {
        const qint64 total = layout.tracks.isEmpty() ? 0 : layout.programFrames() - DiscLayout::PreGapFrames;
        return {{tr("ﾀｲﾄﾙ"), texts.disc.title},
                {tr("演奏者"), texts.disc.performer},
                {tr("ｶﾀﾛｸﾞ番号(UPC/JAN)"), texts.disc.code},
                {tr("ﾚﾍﾞﾙ"), QString::fromLatin1(image.id.level)},
                {tr("ﾏｽﾀｰID"), QString::fromLatin1(image.id.masterId)},
                {tr("ﾄﾗｯｸ数"), QString::number(layout.tracks.size())},
                {tr("合計時間"), msf(std::max<qint64>(total, 0))}};
    }

    static QStringList columns()
    {
        return {tr("No."), tr("INDEX"), tr("開始"), tr("長さ"), tr("ﾎﾟｰｽﾞ"), tr("ISRC"), tr("ﾀｲﾄﾙ"), tr("演奏者")};
    }

    static QString result(CheckRow::Result result)
    {
        switch (result) {
        case CheckRow::Result::Passed: return tr("合格");
        case CheckRow::Result::Failed: return tr("不合格");
        case CheckRow::Result::NotChecked: return tr("未確認");
        }
        return {};
    }
};

}  // namespace

QList<std::pair<QString, QString>> DiscSummary(const DdpImage& image, const ImageLayout& layout,
                                               const CdTextSet& texts)
{
    return Rows::summary(image, layout, texts);
}

QStringList TrackColumns()
{
    return Rows::columns();
}

QList<QStringList> TrackRows(const ImageLayout& layout, const CdTextSet& texts)
{
    QList<QStringList> rows;
    for (qsizetype t = 0; t < layout.tracks.size(); ++t) {
        const LaidTrack& track = layout.tracks[t];
        const CdTextEntry text = texts.tracks.value(t);
        for (qsizetype p = 0; p < track.points.size(); ++p) {
            const IndexPoint& point = track.points[p];
            const bool own = point.index == 1;
            const qint64 next = p + 1 < track.points.size() ? track.points[p + 1].frame : track.end;
            rows.append({two(track.number), two(point.index), msf(point.frame),
                         msf(own ? track.frames() : next - point.frame), own ? msf(track.pauseFrames()) : QString(),
                         own ? text.code : QString(), own ? text.title : QString(), own ? text.performer : QString()});
        }
    }
    return rows;
}

QString ResultText(CheckRow::Result result)
{
    return Rows::result(result);
}
