#pragma once

#include "common/outcome.h"

#include <QSettings>
#include <QString>
#include <memory>

// The per-user settings of application "Tamrel", section "Config". Keys are
// found without regard to case, as on Windows, even where the backing store
// is case-sensitive.
class SettingsStore {
public:
    explicit SettingsStore(QSettings &settings) : m_settings(&settings) {}

    QString read(const QString &key, const QString &defaultValue) const;
    // Writes through to disk.
    Outcome write(const QString &key, const QString &value);

    // A settings file that cannot be parsed would keep every later write
    // from completing: the first call of a run moves it aside as
    // "<file>.damaged" and starts from an empty store. What the user should
    // be told; empty when there was nothing to tell.
    QString setAsideIfDamaged();

private:
    QString existingKey(const QString &key) const;

    QSettings *m_settings;
    // Over the same file, once a damaged one was moved aside.
    std::unique_ptr<QSettings> m_fresh;
    bool m_checked = false;
};
