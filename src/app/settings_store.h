#pragma once

#include "common/outcome.h"

#include <QSettings>
#include <QString>

// The per-user settings of application "Tamrel", section "Config". Keys are
// found without regard to case, as on Windows, even where the backing store
// is case-sensitive.
class SettingsStore {
public:
    explicit SettingsStore(QSettings &settings) : m_settings(settings) {}

    QString read(const QString &key, const QString &defaultValue) const;
    // Writes through to disk.
    Outcome write(const QString &key, const QString &value);

private:
    QString existingKey(const QString &key) const;

    QSettings &m_settings;
};
