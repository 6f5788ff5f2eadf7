// The program's pictures: its window icon and the main toolbar's button
// icons, drawn at run time so that no image files need to be shipped.
#pragma once

#include <QIcon>
#include <QString>

namespace icons {

QIcon programIcon();
// The icon of the main toolbar's button with this key; an empty icon for an
// unknown key.
QIcon toolbarIcon(const QString& key);

}  // namespace icons
