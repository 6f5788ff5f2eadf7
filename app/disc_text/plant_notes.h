// What a pressing plant would miss on a disc whose codes are only partly
// set: a plant writes the ISRCs and the catalog number into the disc's
// subcode from the master, so a disc with some codes is expected to carry
// all of them.
#pragma once

#include "disc_texts.h"

#include <QList>

struct PlantNotes {
    // Tracks without an ISRC while others have one, numbered from 1 as the
    // list counts them.
    QList<int> tracksWithoutIsrc;
    // No catalog number while some track has an ISRC.
    bool noCatalog = false;

    bool any() const { return !tracksWithoutIsrc.isEmpty() || noCatalog; }
};

PlantNotes FindPlantNotes(const CdTextSet& texts);
