#include "CueSheet.h"

#include "BuildSaveName.h"
#include "listed_audio.h"
#include "play_list.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>

namespace {

const QString CueEnding = QStringLiteral(".cue");
const QString WavEnding = QStringLiteral(".wav");

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
    const QString discTitle = withoutEnding(QFileInfo(sheetPath).fileName(), CueEnding);
    if (hasControlCharacter(discTitle))
        return {QString(), 0};
    const QString sheetDirectory = directoryOf(sheetPath);

    QString text = QStringLiteral("TITLE ") + quotedTitle(discTitle) + u'\n';
    for (int i = 1; i <= list.TrackCount(); ++i) {
        const Track& track = list.TrackAt(i);
        const QString file = fileReference(track.path, sheetDirectory);
        const QString title = withoutEnding(WithoutSavePrefix(track.title), WavEnding);
        if (file.contains(u'"') || hasControlCharacter(file) || hasControlCharacter(title))
            return {QString(), i};
        text += QStringLiteral("FILE \"%1\" WAVE\n").arg(file);
        text += QStringLiteral("  TRACK %1 AUDIO\n").arg(i, 2, 10, QChar(u'0'));
        text += QStringLiteral("    TITLE ") + quotedTitle(title) + u'\n';
        text += QStringLiteral("    INDEX 01 00:00:00\n");
    }
    return {text, std::nullopt};
}

QString WithCueEnding(const QString& path)
{
    return path.endsWith(CueEnding, Qt::CaseInsensitive) ? path : path + CueEnding;
}

bool CueSheetAvailable(const PlayList& list, bool playerActive)
{
    return list.TrackCount() > 0 && !playerActive && EveryFileHoldsListedAudio(list);
}
