// The texts of list files, the journal and the restore question.
#pragma once

#include "list_checks.h"
#include "list_file.h"

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
};
// One message for the whole list; notes is not empty.
QString openReport(const QList<TrackNote>& notes);

// Asked before a list replaces a list with unsaved edits.
QString discardQuestion();

QString writeFailed(const QString& error);
QString journalFailed(const QString& path, const QString& error);

QString restoreQuestion();

}  // namespace sessionmessages
