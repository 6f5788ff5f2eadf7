// The save dialog shown with the toolkit's own file dialog.
#pragma once

#include "SaveFilePrompt.h"

class DialogSaveFilePrompt : public SaveFilePrompt {
public:
    QString saveFileName(QWidget* parent, const QString& caption, const QString& proposedPath,
                         const QString& filter) override;
};
