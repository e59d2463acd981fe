#pragma once

#include <QStringList>

class Connection;
class Database;
class ProgressView;
class Prompter;

// The Options menu's Compact Database: rebuilds the file without its free
// space, in place and as one transaction under the engine's own locking, so
// whatever else writes to the file meanwhile waits and loses nothing, and a
// link, the file's mode and its owner stay. Refused with "Database already
// open!" while a data window holds a table, and for a file that is not this
// program's database. A failure leaves the file as it was and says why.
void CompactDatabase(Database &db, ProgressView &progress, Prompter &prompter);

// Repair Database: checks the file, then rebuilds it as Compact does, which
// builds every index anew from the table data.
void RepairDatabase(Database &db, ProgressView &progress, Prompter &prompter);

// What an integrity check finds wrong; empty for a sound file. A locked file
// is no finding: it throws JetError 3051. Pages only: a copy made page by
// page of a database in use, whose indexes were checked as they were written.
enum class Check { Whole, Pages };
QStringList IntegrityProblems(Connection &connection, Check depth = Check::Whole);
