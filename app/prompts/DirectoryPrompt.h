// The directory chooser, kept behind an interface like every other prompt so
// that tests can answer it.
#pragma once

#include <QString>

class QWidget;

class DirectoryPrompt {
public:
    virtual ~DirectoryPrompt() = default;

    // Lets the user pick an existing directory, in a chooser captioned with
    // what the directory is for, starting in startIn when it is given.
    // Returns its path ending in the path separator, or an empty text when
    // the user cancelled.
    virtual QString existingDirectory(QWidget* parent, const QString& caption, const QString& startIn = QString()) = 0;
};
