// The settings file after the confirmed exit of a run that started with an
// empty store, changed the automatic gap in the settings dialog and never
// moved a window: exactly the fourteen values, each in its stored form.
#pragma once

#include <QString>
#include <QStringList>

#include <cstdint>

namespace userrun {

void checkStoredSettings(const QString& file, int32_t autoMute, QStringList& failures);

}  // namespace userrun
