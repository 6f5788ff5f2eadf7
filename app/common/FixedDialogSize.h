// Dialogs of one size: their layout is designed for it and nothing grows.
#pragma once

class QDialog;

// Fixes dialog at the size its layout gives it now, keeping a width that is
// already fixed and the height that width needs. A window manager then
// offers neither resizing nor a maximise button. Call it once the controls
// are in place.
void FixDialogSize(QDialog& dialog);
