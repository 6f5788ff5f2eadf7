#include "SettingsStore.h"

#include "StoredText.h"

#include <QFile>
#include <QStandardPaths>

#include <algorithm>
#include <cerrno>
#include <sys/stat.h>

namespace {

float limitedEnv(float value)
{
    return std::clamp(value, 0.1f, 3.0f);
}

// Where the store of organisation SVL in the user's scope lives.
QString storeFileName()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + QStringLiteral("/SVL.ini");
}

// Reading a FIFO would wait for a writer before any window shows; a missing
// file is fine, it is made at the first orderly exit.
bool absentOrRegular(const QString& fileName)
{
    struct stat st {};
    if (::stat(QFile::encodeName(fileName).constData(), &st) != 0)
        return errno == ENOENT;
    return S_ISREG(st.st_mode);
}

}  // namespace

SettingsStore::SettingsStore()
    : m_fileName(storeFileName())
{
    if (absentOrRegular(m_fileName))
        m_store = std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("SVL"));
}

Settings SettingsStore::readSettings() const
{
    const Settings defaults;
    const QString etc = QStringLiteral("Etc");
    Settings settings;
    settings.ReadPeak = storedtext::toBool(text(etc, QStringLiteral("ReadPeak")), defaults.ReadPeak);
    settings.AutoLevel = storedtext::toBool(text(etc, QStringLiteral("AutoLevel")), defaults.AutoLevel);
    settings.AutoMute = storedtext::toInt32(text(etc, QStringLiteral("AutoMute")), defaults.AutoMute);
    settings.FadeInEnv = limitedEnv(storedtext::toFloat(text(etc, QStringLiteral("FadeInEnv")), defaults.FadeInEnv));
    settings.FadeOutEnv = limitedEnv(storedtext::toFloat(text(etc, QStringLiteral("FadeOutEnv")), defaults.FadeOutEnv));
    return settings;
}

WindowPlacement SettingsStore::readPlacement(const QString& section, const QString& extentKey,
                                             const WindowPlacement& defaults) const
{
    WindowPlacement placement;
    placement.top = storedtext::toFloat(text(section, QStringLiteral("Top")), defaults.top);
    placement.left = storedtext::toFloat(text(section, QStringLiteral("Left")), defaults.left);
    placement.extent = storedtext::toFloat(text(section, extentKey), defaults.extent);
    return placement;
}

void SettingsStore::writePlacement(const QString& section, const QString& extentKey, const WindowPlacement& placement)
{
    setText(section, QStringLiteral("Top"), storedtext::fromFloat(placement.top));
    setText(section, QStringLiteral("Left"), storedtext::fromFloat(placement.left));
    setText(section, extentKey, storedtext::fromFloat(placement.extent));
}

void SettingsStore::writeSettings(const Settings& settings)
{
    const QString etc = QStringLiteral("Etc");
    setText(etc, QStringLiteral("AutoMute"), storedtext::fromInt32(settings.AutoMute));
    setText(etc, QStringLiteral("AutoLevel"), storedtext::fromBool(settings.AutoLevel));
    setText(etc, QStringLiteral("ReadPeak"), storedtext::fromBool(settings.ReadPeak));
    setText(etc, QStringLiteral("FadeInEnv"), storedtext::fromFloat(settings.FadeInEnv));
    setText(etc, QStringLiteral("FadeOutEnv"), storedtext::fromFloat(settings.FadeOutEnv));
    if (m_store)
        m_store->sync();
}

QString SettingsStore::text(const QString& section, const QString& key) const
{
    // A value the INI reader turned into a list (an unquoted comma) is not a
    // setting text; it reads as absent.
    if (!m_store)
        return QString();
    const QVariant value = m_store->value(section + u'/' + key);
    return value.typeId() == QMetaType::QString ? value.toString() : QString();
}

void SettingsStore::setText(const QString& section, const QString& key, const QString& value)
{
    if (m_store)
        m_store->setValue(section + u'/' + key, value);
}
