#pragma once

#include <QLockFile>
#include <QString>
#include <memory>

// Keeps a second copy of the program off the database file it works on: each
// copy counts only its own open windows, so the other's Compact would run
// beside them. The lock file beside the database goes with the program; one
// left by a copy that died is taken over.
class DatabaseLock {
public:
    // false when another running copy holds the file; refusal() then says so.
    // A folder that takes no lock file takes no journal either, and the
    // database says so itself: that counts as claimed.
    bool claim(const QString &databasePath);
    QString refusal() const;

private:
    QString m_databasePath;
    std::unique_ptr<QLockFile> m_lock;
};
