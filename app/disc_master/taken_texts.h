// The texts an image gives the tracks it is taken into: the chosen CD-TEXT
// block's titles, performers, credits and messages, each track's ISRC from
// the PQ descriptor (from the CD-TEXT where the descriptor has none) and the
// disc's catalog number from DDPID (likewise); and what the list cannot hold
// of them: a track's own message, the other language blocks. A pure
// function of the opened image.
#pragma once

#include "ddp_image.h"
#include "disc_texts.h"
#include "image_layout.h"
#include "take_plan.h"

struct ImageTexts {
    CdTextSet texts;  // tracks[i] belongs to the layout's i-th track
    QList<TakeNote> notes;
};

// block is an index in the image's CD-TEXT blocks, -1 for none.
ImageTexts TextsOfImage(const DdpImage& image, const ImageLayout& layout, int block);
