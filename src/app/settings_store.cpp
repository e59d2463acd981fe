#include "app/settings_store.h"

namespace {
const QString kSection = QStringLiteral("Config");

QString describe(QSettings::Status status)
{
    switch (status) {
    case QSettings::AccessError: return QStringLiteral("The settings file cannot be written. ");
    case QSettings::FormatError: return QStringLiteral("The settings file is damaged. ");
    case QSettings::NoError: break;
    }
    return {};
}
} // namespace

QString SettingsStore::existingKey(const QString &key) const
{
    m_settings.beginGroup(kSection);
    const QStringList keys = m_settings.childKeys();
    m_settings.endGroup();
    for (const QString &k : keys) {
        if (k.compare(key, Qt::CaseInsensitive) == 0)
            return k;
    }
    return {};
}

QString SettingsStore::read(const QString &key, const QString &defaultValue) const
{
    const QString found = existingKey(key);
    if (found.isEmpty())
        return defaultValue;
    return m_settings.value(kSection + QLatin1Char('/') + found).toString();
}

Outcome SettingsStore::write(const QString &key, const QString &value)
{
    // One key whatever its spelling: other spellings of it go.
    m_settings.beginGroup(kSection);
    const QStringList keys = m_settings.childKeys();
    for (const QString &k : keys) {
        if (k != key && k.compare(key, Qt::CaseInsensitive) == 0)
            m_settings.remove(k);
    }
    m_settings.setValue(key, value);
    m_settings.endGroup();
    m_settings.sync();
    if (m_settings.status() != QSettings::NoError)
        return Outcome::failure(describe(m_settings.status()));
    return Outcome::success();
}
