// The split window's messages and captions, translated in the context
// "SplitMessages".
#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace splitmessages {

// "ﾄﾗｯｸ分割"; the window's caption adds the file's name.
QString caption();
QString windowCaption(const QString& fileName);
// More pieces than the list has room for: both counts.
QString tooManyPieces(int pieces, int room);
// The question before writing pieces shorter than four seconds.
QString shortPieces(const QList<int>& numbers);
// The folder dialog's caption.
QString folderCaption();
// Files of the pieces' names are in the folder already.
QString namesTaken(const QStringList& names);
// Writing failed; nothing was written.
QString writeFailed(const QString& name, const QString& reason);
// The progress dialog's line while the pieces are written, and while the
// recording is read.
QString writingLine(int pieces);
QString readingLine(const QString& fileName);
// The recording (or a file of its sheet) could not be read.
QString unreadable(const QString& fileName, const QString& reason);
// A file that holds no audio the list takes.
QString notAudio(const QString& fileName);
// A sheet's fault, naming the sheet.
QString sheetFault(const QString& sheetName, const QString& fault);
// A file the sheet names at line that is not there.
QString missingFile(const QString& sheetName, int line, const QString& fileName);
// A recording shorter than one CD frame cannot be split.
QString tooShort(const QString& fileName);

}  // namespace splitmessages
