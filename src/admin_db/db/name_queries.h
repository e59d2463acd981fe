#pragma once

#include "admin_db/db/database.h"

#include "admin_db/db/statement.h"

#include <QList>

class Connection;

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
