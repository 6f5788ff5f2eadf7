#include "FixedDialogSize.h"

#include <QDialog>
#include <QEvent>

namespace {

void fixNow(QDialog& dialog)
{
    const bool widthFixed = dialog.minimumWidth() == dialog.maximumWidth();
    const int width = widthFixed ? dialog.minimumWidth() : dialog.sizeHint().width();
    const int height = dialog.hasHeightForWidth() ? dialog.heightForWidth(width) : dialog.sizeHint().height();
    dialog.setFixedSize(width, height);
}

// The controls' sizes are final only once they are polished, just before
// the dialog is shown; the size is fixed then, before the window is mapped
// with its hints.
class FixOnShow : public QObject {
public:
    using QObject::QObject;

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Show)
            fixNow(*static_cast<QDialog*>(watched));
        return false;
    }
};

}  // namespace

void FixDialogSize(QDialog& dialog)
{
    fixNow(dialog);
    dialog.installEventFilter(new FixOnShow(&dialog));
}
