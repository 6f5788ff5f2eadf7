// The directory chooser shown with the toolkit's own directory dialog.
#pragma once

#include "DirectoryPrompt.h"

class DialogDirectoryPrompt : public DirectoryPrompt {
public:
    QString existingDirectory(QWidget* parent, const QString& caption, const QString& startIn = QString()) override;
};
