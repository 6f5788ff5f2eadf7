// The texts of list files, the journal, the restore question and the exit
// question.
#pragma once

#include "list_checks.h"
#include "list_codes.h"
#include "list_file.h"

#include <QDateTime>
#include <QList>
#include <QString>

namespace sessionmessages {

QString openCaption();
QString saveCaption();
// The file dialogs' filter, in the designed "description|pattern" form.
QString listFilter();
// The file ending that names a list file.
QString listEnding();

// A list file refused as a whole; name is the file's name.
QString refused(const QString& name, listfile::Refusal refusal);
// A list file that could not be read at all (missing, a folder, a FIFO, no
// permission).
QString unreadable(const QString& name);
QString readErrorCaption();

// What happened to one track that was not listed as stored.
struct TrackNote {
    QString path;
    TrackVerdict verdict;
    bool listed;   // analysed afresh and listed
    bool duplicate = false;
    bool kept = false;   // not listed, kept in the journal to be offered again
};
// One message for the whole list; notes is not empty.
QString openReport(const QList<TrackNote>& notes);

// The codes of the list file name that broke their rules and were left out,
// each with its track and field; dropped is not empty.
QString droppedCodes(const QString& name, const QList<listfile::DroppedCode>& dropped);

// Asked before a list replaces a list with unsaved edits.
QString discardQuestion();

// Asked before a list file replaces a file of that name.
QString confirmReplace(const QString& path);

QString writeFailed(const QString& error);
// The journal could not be written: the one on disk is out of date.
QString journalFailed(const QString& path, const QString& error);
// A journal that could not be restored was moved to aside, or could not be.
QString journalSetAside(const QString& aside);
QString journalNotSetAside(const QString& path, const QString& error);

// Offers the journal last written at written (local time).
QString restoreQuestion(const QDateTime& written);

// The exit question's caption; its text with unsaved work in the list, and
// without.
QString exitCaption();
QString saveBeforeExitQuestion();
QString exitQuestion();

}  // namespace sessionmessages
