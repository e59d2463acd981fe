#include "app/settings_store.h"

#include <QDir>
#include <QFile>
#include <utility>

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
    m_settings->beginGroup(kSection);
    const QStringList keys = m_settings->childKeys();
    m_settings->endGroup();
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
    return m_settings->value(kSection + QLatin1Char('/') + found).toString();
}

Outcome SettingsStore::write(const QString &key, const QString &value)
{
    // One key whatever its spelling: other spellings of it go.
    m_settings->beginGroup(kSection);
    const QStringList keys = m_settings->childKeys();
    for (const QString &k : keys) {
        if (k != key && k.compare(key, Qt::CaseInsensitive) == 0)
            m_settings->remove(k);
    }
    m_settings->setValue(key, value);
    m_settings->endGroup();
    m_settings->sync();
    if (m_settings->status() != QSettings::NoError)
        return Outcome::failure(describe(m_settings->status()));
    return Outcome::success();
}

QString SettingsStore::setAsideIfDamaged()
{
    if (std::exchange(m_checked, true) || m_settings->status() != QSettings::FormatError)
        return {};
    const QString file = m_settings->fileName();
    const QString kept = file + QStringLiteral(".damaged");
    const QString shown = QStringLiteral("The settings file ") + QDir::toNativeSeparators(file)
                        + QStringLiteral(" is damaged. ");
    QFile::remove(kept);
    if (!QFile::rename(file, kept))
        return shown + QStringLiteral("It could not be moved aside, so the settings cannot be saved.");
    m_fresh = std::make_unique<QSettings>(file, m_settings->format());
    m_settings = m_fresh.get();
    return shown + QStringLiteral("It is kept as ") + QDir::toNativeSeparators(kept)
         + QStringLiteral("; the settings start from their defaults.");
}
