#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

class Connection;

// The name of the rebuilt copy, beside the database.
inline const QString RebuiltFileName = QStringLiteral("newtamreldata.mdb");

// Rebuilds the keyed database at path into a fresh copy beside it, checks the
// copy, puts it on disk and then puts it in place of the old file with one
// atomic rename. Whatever fails, the file at path stays as it was and no copy
// is left behind. Nobody may hold the file open meanwhile. Throws JetError.
void RebuildDatabaseFile(const QString &path, const QByteArray &key);

// What an integrity check finds wrong; empty for a sound file.
QStringList IntegrityProblems(Connection &connection);
