#pragma once

#include "admin_db/database.h"

#include "admin_db/statement.h"

#include <QList>

class Connection;

// The club and flyer windows share the program's table connections with the
// other windows: a window uses the one already open and closes only what it
// opened itself, so closing it leaves the others theirs.

// The open connection, or a new one held by window. Opens anew when the file
// went missing: an old handle would keep the deleted file alive unseen and
// take writes that vanish with it; opening says 3024 instead.
Connection &WindowConnection(Database &db, Table table, const QString &window);

// Never fails.
void CloseWindowConnection(Database &db, Table table, const QString &window);

// After an UPDATE by key: 3021 when no row was there to change.
void RequireChangedRow(Connection &connection);

// select, narrowed to the rows whose nameField starts with prefix as typed,
// then order. Without a prefix every row counts, one without a name too.
Statement SelectByNamePrefix(Connection &connection, const char *select, const char *nameField,
                             const QString &prefix, const char *order);

// A record as a list shows it: its key beside its name.
struct ListedName {
    qint64 key = 0;
    QString name;
};

// select gives the key and the name, in that order.
QList<ListedName> ListedNames(Connection &connection, const char *select, const char *nameField,
                              const QString &prefix, const char *order);
