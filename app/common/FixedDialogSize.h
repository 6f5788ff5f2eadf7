// Dialogs of one size: their layout is designed for it and nothing grows.
#pragma once

class QDialog;

// Fixes dialog at the size its layout gives it, keeping a width that is
// already fixed and the height that width needs, now and whenever it is
// shown (so controls added later count too). Equal minimum and maximum
// sizes are the hint by which window managers withdraw resizing and
// maximising.
void FixDialogSize(QDialog& dialog);
