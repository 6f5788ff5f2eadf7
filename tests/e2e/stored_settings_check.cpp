#include "stored_settings_check.h"

#include <QFileInfo>
#include <QMap>
#include <QSettings>

namespace userrun {

void checkStoredSettings(const QString& file, int32_t autoMute, QStringList& failures)
{
    if (!QFileInfo::exists(file)) {
        failures << QStringLiteral("no settings file at %1").arg(file);
        return;
    }
    // The windows stay in the default arrangement: the main window at the
    // top, the play bar and the fade editor below it, all 7935 twips wide.
    const QMap<QString, QString> expected = {
        {"Etc/AutoLevel", "True"},        {"Etc/AutoMute", QString::number(autoMute)},
        {"Etc/FadeInEnv", "0.6"},         {"Etc/FadeOutEnv", "1.8"},
        {"Etc/ReadPeak", "True"},         {"fPlayList/Top", "0"},
        {"fPlayList/Left", "0"},          {"fPlayList/Height", "4935"},
        {"fPlayBar/Top", "4935"},         {"fPlayBar/Left", "0"},
        {"fPlayBar/Width", "7935"},       {"fFadeInEditer/Top", "7140"},
        {"fFadeInEditer/Left", "0"},      {"fFadeInEditer/Width", "7935"},
    };
    const QSettings stored(file, QSettings::IniFormat);
    QMap<QString, QString> actual;
    for (const QString& key : stored.allKeys())
        actual.insert(key, stored.value(key).toString());
    for (auto it = expected.begin(); it != expected.end(); ++it) {
        if (actual.value(it.key()) != it.value())
            failures << QStringLiteral("stored %1 is \"%2\", expected \"%3\"")
                            .arg(it.key(), actual.value(it.key(), QStringLiteral("(missing)")), it.value());
    }
    for (const QString& key : actual.keys()) {
        if (!expected.contains(key))
            failures << QStringLiteral("stored %1 was not expected").arg(key);
    }
}

}  // namespace userrun
