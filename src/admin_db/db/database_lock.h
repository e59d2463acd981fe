#pragma once

#include "common/file_lock.h"

#include <QString>

// Keeps a second copy of the program off the database file it works on: each
// copy counts only its own open windows, so the other's Compact would run
// beside them. The lock file beside the database goes with the program; one
// left by a copy that died is taken over.
class DatabaseLock {
public:
    // false when another running copy holds the file, or when no lock file
    // can be placed (a full disk, a read-only folder): refusal() says which.
    bool claim(const QString &databasePath);
    QString refusal() const;

private:
    QString m_databasePath;
    FileLock m_besideFile;
    // The same file reached through a hard link from another folder has
    // another path but the same identity.
    FileLock m_byIdentity;
    const FileLock *m_refusing = nullptr;
    FileLock::Claim m_claim = FileLock::Claim::Held;
};
