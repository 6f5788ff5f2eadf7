#include "burner_output.h"

#include <QRegularExpression>

namespace {

QList<QStringView> linesOf(QStringView output)
{
    QList<QStringView> lines;
    for (const QStringView line : output.tokenize(u'\n'))
        lines << line.trimmed();
    return lines;
}

BurnerMedium::State stateOf(QStringView statusName)
{
    if (statusName == u"burn_disc_blank")
        return BurnerMedium::State::Blank;
    if (statusName == u"burn_disc_empty")
        return BurnerMedium::State::NoDisc;
    if (statusName == u"burn_disc_appendable" || statusName == u"burn_disc_full")
        return BurnerMedium::State::Written;
    return BurnerMedium::State::Unknown;
}

std::optional<int> percentOf(const QRegularExpressionMatch& match, int group)
{
    if (!match.hasCaptured(group))
        return std::nullopt;
    return match.captured(group).toInt();
}

}  // namespace

QList<BurnerDrive> ParseDevices(QStringView output)
{
    static const QRegularExpression driveLine(
        QStringLiteral(R"(^\d+\s+dev='([^']*)'\s+\S+\s*:\s*'([^']*)'\s+'([^']*)')"));
    QList<BurnerDrive> drives;
    for (const QStringView line : linesOf(output)) {
        const auto match = driveLine.match(line);
        if (match.hasMatch())
            drives.append({match.captured(1), match.captured(2).trimmed(), match.captured(3).trimmed()});
    }
    return drives;
}

BurnerMedium ParseAtip(QStringView output)
{
    static const QRegularExpression statusLine(QStringLiteral(R"(^cdrskin: status \d+ (\w+))"));
    static const QRegularExpression leadOut(QStringLiteral(R"(^ATIP start of lead out:\s*(\d+))"));
    BurnerMedium medium;
    for (const QStringView line : linesOf(output)) {
        if (const auto match = statusLine.match(line); match.hasMatch())
            medium.state = stateOf(match.capturedView(1));
        else if (line == u"Is erasable" || line == u"Current: CD-RW")
            medium.erasable = true;
        else if (const auto match = leadOut.match(line); match.hasMatch())
            medium.capacityFrames = match.captured(1).toLongLong();
    }
    return medium;
}

std::optional<BurnProgress> ParseProgressLine(QStringView line)
{
    static const QRegularExpression progress(QStringLiteral(
        R"(^Track (\d+):\s+(\d+) of\s+(\d+) MB written(?:\s+\(fifo\s+(\d+)%\))?(?:\s+\[buf\s+(\d+)%\])?\s+([\d.]+)x)"));
    const auto match = progress.match(line.trimmed());
    if (!match.hasMatch())
        return std::nullopt;
    return BurnProgress{match.captured(1).toInt(), match.captured(2).toInt(), match.captured(3).toInt(),
                        percentOf(match, 4), percentOf(match, 5), match.captured(6).toDouble()};
}

bool IsFixatingLine(QStringView line)
{
    return line.trimmed().startsWith(u"Fixating");
}

bool IsDoneLine(QStringView line)
{
    return line.trimmed() == u"cdrskin: burning done";
}

bool IsProblemLine(QStringView line)
{
    const QStringView text = line.trimmed();
    return text.startsWith(u"cdrskin: FATAL :") || text.startsWith(u"cdrskin: SORRY :");
}

bool IsBusyLine(QStringView line)
{
    return IsProblemLine(line) && line.contains(u"busy", Qt::CaseInsensitive);
}
