#pragma once

class Database;
class ProgressView;
class Prompter;

// The Options menu's Compact Database: rebuilds the file without its free
// space. Refused with "Database already open!" while a window holds a
// connection; the main window's own start-up connection is closed for it and
// opened again afterwards. A failure leaves the file as it was and says why.
void CompactDatabase(Database &db, ProgressView &progress, Prompter &prompter);

// Repair Database: checks the file, then rebuilds it as Compact does, which
// recreates every index from the table data.
void RepairDatabase(Database &db, ProgressView &progress, Prompter &prompter);
