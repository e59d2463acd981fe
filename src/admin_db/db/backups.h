#pragma once

#include "common/outcome.h"

#include <QDateTime>
#include <QList>
#include <QString>
#include <optional>

class Database;

// Copies of the database a secretary never has to think of, kept in
// "backups" beside the database file.
namespace Backups {

// The folder, with a trailing separator.
QString folder(const Database &db);
// What File > Back Up Database proposes: tamreldata-YYYY-MM-DD.mdb there.
QString proposedPath(const Database &db, const QDate &today);

// A consistent copy of the open database (same key, never half a change)
// at target, checked (the key opens it, the integrity check passes) before
// it is renamed into place; a failure leaves no file behind.
Outcome backUp(Database &db, const QString &target);
// "The database could not be backed up: <why>." for a failed backup.
QString failureText(const Outcome &failed);

// What an automatic backup protects.
enum class Before { Compact, Repair, Import, Restore };
// A backup before an operation, then the oldest such backups beyond the last
// ten removed. A failure must stop the operation.
Outcome beforeOperation(Database &db, Before operation, const QDateTime &now);
// The day's backup, unless there is one of today already; daily backups
// older than fourteen days are removed.
Outcome daily(Database &db, const QDateTime &now);

// What a backup holds.
struct Contents {
    qint64 clubs = 0;
    qint64 flyers = 0;
    qint64 birds = 0;
};
// "3 clubs, 15 flyers, 999 birds".
QString describe(const Contents &contents);

// A backup the restore offers.
struct Entry {
    QString path;
    QDateTime made;
    // nullopt: the key does not open it, or it is no database of this program.
    std::optional<Contents> contents;
};
// The backups folder's copies, newest first.
QList<Entry> list(const Database &db);

// Puts the copy at backup in the database's place: refused while a data
// window is open, for a file the key does not open, that is not this
// program's database or that fails the integrity check. The current database
// is backed up first; the copy then replaces it in one rename, so a crash
// leaves the one or the other whole. What the restored database holds; on
// failure the message completes "The database was not restored: ".
struct Restored {
    Outcome outcome;
    Contents contents;
};
Restored restore(Database &db, const QString &backup, const QDateTime &now);

} // namespace Backups
