// The fade editor's toolbar pictures, drawn at run time like the main
// toolbar's, so that no image files need to be shipped.
#pragma once

#include <QIcon>
#include <QString>

namespace editoricons {

// The icon of the editor's toolbar button with this key; an empty icon for
// an unknown key.
QIcon toolbarIcon(const QString& key);

}  // namespace editoricons
