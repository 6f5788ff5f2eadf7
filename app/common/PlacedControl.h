// Dialogs lay out their controls as designed, in twips.
#pragma once

#include "Twips.h"

#include <QString>

// Names a control and puts it at its place in twips, relative to its parent.
template <typename Control>
Control* place(Control* control, const char* name, int left, int top, int width, int height)
{
    control->setObjectName(QString::fromLatin1(name));
    control->setGeometry(twips::toPixels(left), twips::toPixels(top), twips::toPixels(width),
                         twips::toPixels(height));
    return control;
}
