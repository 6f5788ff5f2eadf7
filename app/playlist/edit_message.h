// A message a list command asks the window to show in a box with an OK button.
#pragma once

#include <QString>

struct EditMessage {
    QString text;
    QString caption;
};
