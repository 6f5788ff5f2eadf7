// The save dialog that names a file to write, kept behind an interface like
// every other prompt so that tests can answer it.
#pragma once

#include <QString>

class QWidget;

class SaveFilePrompt {
public:
    virtual ~SaveFilePrompt() = default;

    // Lets the user name a file to write, starting at proposedPath (its
    // directory and name). filter is in the designed "description|pattern"
    // form. Returns the chosen path, or an empty text when the user
    // cancelled. It does not ask about replacing an existing file: the
    // caller asks in the program's own words.
    virtual QString saveFileName(QWidget* parent, const QString& caption, const QString& proposedPath,
                                 const QString& filter) = 0;
};
