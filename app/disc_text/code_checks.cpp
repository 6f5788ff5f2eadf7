#include "code_checks.h"

#include "disc_codes.h"

#include <QHash>

#include <algorithm>

CodeChecks CheckCodes(const CdTextSet& texts)
{
    CodeChecks checks;
    checks.invalidCatalog = !CheckedCatalog(texts.disc.code);
    QHash<QString, QList<int>> tracksOf;
    for (int i = 0; i < int(texts.tracks.size()); ++i) {
        const auto isrc = CheckedIsrc(texts.tracks[i].code);
        if (!isrc)
            checks.invalidIsrcs.append(i);
        else if (!isrc->isEmpty())
            tracksOf[*isrc].append(i);
    }
    for (const QList<int>& tracks : std::as_const(tracksOf)) {
        if (tracks.size() > 1)
            checks.sharedIsrcs += tracks;
    }
    std::sort(checks.sharedIsrcs.begin(), checks.sharedIsrcs.end());
    return checks;
}

CdTextSet WithCheckedCodes(CdTextSet texts)
{
    texts.disc.code = CheckedCatalog(texts.disc.code).value_or(texts.disc.code);
    for (CdTextEntry& track : texts.tracks)
        track.code = CheckedIsrc(track.code).value_or(track.code);
    return texts;
}
