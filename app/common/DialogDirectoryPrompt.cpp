#include "DialogDirectoryPrompt.h"

#include <QDir>
#include <QFileDialog>

QString DialogDirectoryPrompt::existingDirectory(QWidget* parent, const QString& caption, const QString& startIn)
{
    const QString chosen = QFileDialog::getExistingDirectory(parent, caption, startIn);
    if (chosen.isEmpty())
        return {};
    const QString directory = QDir::cleanPath(chosen);
    return directory.endsWith(u'/') ? directory : directory + u'/';
}
