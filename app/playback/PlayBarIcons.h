// The play bar's button icons, drawn at run time.
#pragma once

#include <QIcon>
#include <QString>

namespace playbaricons {

// The icon of the play bar button with this key; an empty icon for an
// unknown key.
QIcon toolbarIcon(const QString& key);

}  // namespace playbaricons
