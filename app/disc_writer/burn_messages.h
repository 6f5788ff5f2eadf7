// The texts of writing a disc: the messages and questions of the copies'
// sequence, and the lines the write dialog shows while a disc is written.
#pragma once

#include <QString>
#include <QStringList>

struct BurnProgress;

namespace burnmessages {

// The dialog's and every message's caption.
QString caption();

QString notInstalled();
QString noDrive();
QString notWritable(const QString& device, const QString& group);
QString driveInUse(const QString& device);
QString mediumUnreadable(const QStringList& problems);

// Questions answered OK (try again with the disc now in the drive) or Cancel.
QString noDisc();
QString notBlank();
QString tooSmall(qint64 discFrames, qint64 capacityFrames);
// The question before a CD-RW that is not blank is blanked fast.
QString confirmBlank();
// The question for the next copy's blank disc.
QString nextDisc(int copy, int copies);

QString cdTextFileFailed(const QString& error);
// The disc's catalog number or an ISRC is not valid: the burner is not run.
QString invalidCode();
// A failed write with cdrskin's last FATAL or SORRY lines; with more copies
// to go, the question whether to go on with the next one (Yes / No).
QString writeFailed(const QStringList& problems);
QString writeFailedGoOn(const QStringList& problems, int nextCopy, int copies);

QString confirmCancel(bool simulated);
QString cancelled(bool simulated);
// The end of the copies: how many were written and failed.
QString summary(int written, int failed, bool simulated);

// The dialog's lines while writing.
QString copyLine(int copy, int copies);
QString writtenLine(const BurnProgress& progress);
QString bufferLine(const BurnProgress& progress);
QString speedLine(const BurnProgress& progress);
QString fixating();
// The disc's total time, before a medium is known and against its capacity.
QString totalTime(qint64 discFrames);
QString timeAgainstCapacity(qint64 discFrames, qint64 capacityFrames);
QString highestSpeed();
QString speedChoice(int speed);

}  // namespace burnmessages
