#include "cue_sheet.h"

#include "disc_codes.h"
#include "listed_audio.h"
#include "play_list.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>

namespace {

const QString CueEnding = QStringLiteral(".cue");
const QString CdtEnding = QStringLiteral(".cdt");

bool hasControlCharacter(const QString& text)
{
    return std::any_of(text.begin(), text.end(), [](QChar c) { return c.category() == QChar::Other_Control; });
}

QString withoutEnding(const QString& name, const QString& ending)
{
    return name.endsWith(ending, Qt::CaseInsensitive) ? name.chopped(ending.size()) : name;
}

// A free text between quotes: double quotes become apostrophes.
QString quotedTitle(const QString& title)
{
    return u'"' + QString(title).replace(u'"', u'\'') + u'"';
}

bool isPrintableAscii(const QString& text)
{
    return std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() >= 0x20 && c.unicode() < 0x7F; });
}

// A TITLE or PERFORMER line, or nothing when the text is empty or more than
// printable ASCII.
QString textLine(const QString& indent, const char* keyword, const QString& text)
{
    if (text.isEmpty() || !isPrintableAscii(text))
        return {};
    return indent + QLatin1String(keyword) + u' ' + quotedTitle(text) + u'\n';
}

// A CATALOG or ISRC line, or nothing when the code is empty or not valid
// (a list file edited by hand may hold one).
QString codeLine(const QString& indent, const char* keyword, const std::optional<QString>& code)
{
    if (!code || code->isEmpty())
        return {};
    return indent + QLatin1String(keyword) + u' ' + *code + u'\n';
}

QString directoryOf(const QString& path)
{
    return QDir::cleanPath(QFileInfo(path).absolutePath());
}

// How the sheet names a track's file: bare beside the sheet, else absolute.
QString fileReference(const QString& path, const QString& sheetDirectory)
{
    const QFileInfo file(path);
    return directoryOf(path) == sheetDirectory ? file.fileName() : QDir::cleanPath(file.absoluteFilePath());
}

}  // namespace

CueSheet BuildCueSheet(const PlayList& list, const QString& sheetPath)
{
    const QString textFile = QFileInfo(CdTextPathOf(sheetPath)).fileName();
    if (hasControlCharacter(textFile) || textFile.contains(u'"'))
        return {QString(), 0};
    const QString sheetDirectory = directoryOf(sheetPath);
    const CdTextSet texts = CueCdTexts(list, sheetPath);

    QString text = codeLine(QString(), "CATALOG", CheckedCatalog(texts.disc.code)) +
                   textLine(QString(), "TITLE", texts.disc.title) +
                   textLine(QString(), "PERFORMER", texts.disc.performer) +
                   QStringLiteral("CDTEXTFILE \"%1\"\n").arg(textFile);
    for (int i = 1; i <= list.TrackCount(); ++i) {
        const CdTextEntry& track = texts.tracks[i - 1];
        const QString file = fileReference(list.TrackAt(i).path, sheetDirectory);
        if (file.contains(u'"') || hasControlCharacter(file))
            return {QString(), i};
        text += QStringLiteral("FILE \"%1\" WAVE\n").arg(file);
        text += QStringLiteral("  TRACK %1 AUDIO\n").arg(i, 2, 10, QChar(u'0'));
        text += textLine(QStringLiteral("    "), "TITLE", track.title);
        text += textLine(QStringLiteral("    "), "PERFORMER", track.performer);
        text += codeLine(QStringLiteral("    "), "ISRC", CheckedIsrc(track.code));
        text += QStringLiteral("    INDEX 01 00:00:00\n");
    }
    return {text, std::nullopt};
}

CdTextSet CueCdTexts(const PlayList& list, const QString& sheetPath)
{
    return ResolveCdTexts(list, FileTitles(list), withoutEnding(QFileInfo(sheetPath).fileName(), CueEnding));
}

QString CdTextPathOf(const QString& sheetPath)
{
    return withoutEnding(sheetPath, CueEnding) + CdtEnding;
}

QString WithCueEnding(const QString& path)
{
    return path.endsWith(CueEnding, Qt::CaseInsensitive) ? path : path + CueEnding;
}

bool CueSheetAvailable(const PlayList& list, bool playerActive)
{
    return list.TrackCount() > 0 && !playerActive && EveryFileHoldsListedAudio(list);
}
