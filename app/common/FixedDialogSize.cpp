#include "FixedDialogSize.h"

#include <QDialog>

void FixDialogSize(QDialog& dialog)
{
    const bool widthFixed = dialog.minimumWidth() == dialog.maximumWidth();
    const int width = widthFixed ? dialog.minimumWidth() : dialog.sizeHint().width();
    const int height = dialog.hasHeightForWidth() ? dialog.heightForWidth(width) : dialog.sizeHint().height();
    dialog.setFixedSize(width, height);
}
