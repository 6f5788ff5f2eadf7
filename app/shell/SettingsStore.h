// The per-user settings store: an INI file of application SVL in the user's
// configuration folder, with section Etc for the general settings and one
// section per movable window. Values are texts; see StoredText for the forms.
// A settings file that is not a regular file (a FIFO, a folder) is never
// opened: it reads as empty, so every setting has its default, and nothing is
// written over it.
#pragma once

#include "Settings.h"
#include "WindowPlacement.h"

#include <QSettings>
#include <QString>

#include <memory>

class SettingsStore {
public:
    SettingsStore();

    // The five general settings, each with its default when absent or not
    // convertible; the two curve exponents are limited to 0.1 to 3.0.
    Settings readSettings() const;
    // A window's place; extentKey is "Height" or "Width".
    WindowPlacement readPlacement(const QString& section, const QString& extentKey,
                                  const WindowPlacement& defaults) const;

    void writePlacement(const QString& section, const QString& extentKey, const WindowPlacement& placement);
    // Writes AutoMute, AutoLevel, ReadPeak, FadeInEnv, FadeOutEnv in this order
    // and flushes the file.
    void writeSettings(const Settings& settings);

    QString fileName() const { return m_fileName; }

private:
    QString text(const QString& section, const QString& key) const;
    void setText(const QString& section, const QString& key, const QString& value);

    QString m_fileName;
    std::unique_ptr<QSettings> m_store;  // absent when the file is not a regular file
};
