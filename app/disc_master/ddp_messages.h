// The texts of the plant master's commands (mnuFileDdp, mnuFilePqSheet):
// the dialogs' captions and filters, the refusals, the progress dialog's
// line and the failure messages, in the style of the save messages.
#pragma once

#include "image_writer.h"

#include <QList>
#include <QString>

class PlayList;

namespace ddpmessages {

// The image command's captions: its questions, its save dialog and its
// progress dialog; the save dialog's filter.
QString imageCaption();
QString folderFilter();
QString writingImage(const QString& folderName);

// The PQ sheet command's caption and its save dialog's filter.
QString sheetCaption();
QString sheetFilter();

// The chosen folder exists: the user is to choose another name.
QString folderExists(const QString& folderName);

// Tracks shorter than 4 seconds, which a plant does not press.
QString shortTracks(const PlayList& list, const QList<int>& tracks);

// Why the image could not be written; empty for a cancel.
QString imageFailed(const PlayList& list, const ImageFailure& failure);

// The PQ sheet could not be written, with the system's reason.
QString sheetFailed(const QString& error);

}  // namespace ddpmessages
