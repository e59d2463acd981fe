#pragma once

#include "common/outcome.h"

#include <QDateTime>
#include <QString>

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
// it is renamed into place; a failure leaves no file behind. On failure the
// message completes "The database could not be backed up: ".
Outcome backUp(Database &db, const QString &target);

// What an automatic backup protects.
enum class Before { Compact, Repair, Import, Restore };
// A backup before an operation, then the oldest such backups beyond the last
// ten removed. A failure must stop the operation.
Outcome beforeOperation(Database &db, Before operation, const QDateTime &now);
// The day's backup, unless there is one of today already; daily backups
// older than fourteen days are removed.
Outcome daily(Database &db, const QDateTime &now);

} // namespace Backups
