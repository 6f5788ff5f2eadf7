// The plant master of the list: its saved tracks, in list order, with the
// CD-TEXT and the codes the CUE command writes and the packs that hold them.
#pragma once

#include "cd_text_packs.h"
#include "master_input.h"

class PlayList;

struct ListMaster {
    MasterDisc disc;
    CdTextSet texts;    // the disc's CD-TEXT, its codes included
    CdTextPacks packs;  // !packs.writable(): the texts cannot go on the disc
};

// The master of tracks 1..TrackCount; discFallback is the disc's title when
// neither the user nor the tags give one.
ListMaster MasterOfList(const PlayList& list, const QString& discFallback);

// The name proposed for the image's folder: the disc's title with the
// characters a file name cannot hold replaced, or "DDP" without one.
QString ProposedMasterName(const PlayList& list);
