// The texts of opening, checking and taking apart a DDP image (mnuFileDdpOpen,
// fDdpCheck's cmdTake): the captions, the progress lines, why a folder is no
// image or an image cannot be taken, why taking failed, and what the list
// holds after taking and what it could not hold.
#pragma once

#include "ddp_image.h"
#include "take_plan.h"
#include "taken_tracks.h"

#include <QList>
#include <QString>

namespace ddpcheckmessages {

// The folder chooser's caption, also the caption of the image's messages.
QString openCaption();
QString checking(const QString& folderName);

// The folder is no image that can be read.
QString refused(const QString& folderName, const ImageRefusal& refusal);

// Taking: the caption of its questions, its save dialog and its progress
// dialog; the save dialog's filter; the progress line.
QString takeCaption();
QString takeFilter();
QString taking(const QString& folderName);

// The list holds unsaved work, which taking replaces.
QString replaceQuestion();
QString takeRefused(const TakeRefusal& refusal, int maxTracks);
// Why the tracks could not be written; empty for a cancel.
QString takeFailed(const TakeFailure& failure);

// listed of the written tracks joined the list (the open command refused the
// others with its own messages); notes name what the list cannot hold;
// silences: a pause became a track's mute length, which saving writes.
QString taken(int written, int listed, const QList<TakeNote>& notes, bool silences);

}  // namespace ddpcheckmessages
