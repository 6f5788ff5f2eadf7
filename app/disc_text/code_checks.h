// The codes of the disc's texts as the CD-TEXT dialog checks them: which
// break their rules, which ISRCs two tracks share, and the texts with every
// code in its one stored form.
#pragma once

#include "disc_texts.h"

#include <QList>

#include <optional>

struct CodeChecks {
    bool invalidCatalog = false;
    QList<int> invalidIsrcs;  // indexes in CdTextSet::tracks
    QList<int> sharedIsrcs;   // tracks whose valid ISRC another track has too

    bool anyInvalid() const { return invalidCatalog || !invalidIsrcs.isEmpty(); }
};

CodeChecks CheckCodes(const CdTextSet& texts);

// texts with the disc's catalog number and every ISRC as CheckedCatalog and
// CheckedIsrc keep them; a code that breaks its rules stays as typed.
CdTextSet WithCheckedCodes(CdTextSet texts);
