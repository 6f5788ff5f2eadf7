#include "plant_notes.h"

#include <algorithm>

PlantNotes FindPlantNotes(const CdTextSet& texts)
{
    PlantNotes notes;
    const bool someIsrc = std::any_of(texts.tracks.begin(), texts.tracks.end(),
                                      [](const CdTextEntry& track) { return !track.code.isEmpty(); });
    if (!someIsrc)
        return notes;
    for (qsizetype i = 0; i < texts.tracks.size(); ++i) {
        if (texts.tracks[i].code.isEmpty())
            notes.tracksWithoutIsrc.append(int(i) + 1);
    }
    notes.noCatalog = texts.disc.code.isEmpty();
    return notes;
}
