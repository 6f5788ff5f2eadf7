// The texts of the save workflow: questions, the progress dialog's captions
// and line, and the failure messages.
#pragma once

#include <QString>
#include <QStringList>

namespace savemessages {

// The question before an overwrite save, and its caption.
QString confirmOverwrite();
QString overwriteCaption();

// The question listing the files a save to another directory replaces, and
// its caption.
QString overwriteWarning(const QStringList& names);
QString anotherCaption();
// The caption of the chooser for that other directory.
QString destinationCaption();

// The progress dialog's caption while a track is rewritten in its own
// directory, and while it is copied into another one.
QString savingInPlace();
QString savingToAnother();
// The progress dialog's line naming the track being saved.
QString saving(int track, const QString& title);

// The message for a failed FileSave, or an empty text for success.
QString forEngineResult(int result);
// The message for a rename that failed, from the system's error number.
QString renameFailed(int error);

}  // namespace savemessages
