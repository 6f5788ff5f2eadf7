#include "DialogSaveFilePrompt.h"

#include "DialogPrompts.h"

#include <QFileDialog>

QString DialogSaveFilePrompt::saveFileName(QWidget* parent, const QString& caption, const QString& proposedPath,
                                           const QString& filter)
{
    QFileDialog dialog(parent, caption);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    dialog.setNameFilter(DialogPrompts::toDialogFilter(filter));
    dialog.selectFile(proposedPath);
    if (dialog.exec() != QDialog::Accepted)
        return {};
    return dialog.selectedFiles().value(0);
}
