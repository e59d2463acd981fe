#include "admin_db/db/name_queries.h"

#include "admin_db/db/jet_error.h"
#include "admin_db/db/lookup_sql.h"


void RequireChangedRow(Connection &connection)
{
    Statement changed = connection.prepare("SELECT changes()");
    changed.next();
    if (changed.number(0) == 0)
        throw JetError(JetCode::NoCurrentRecord, QStringLiteral("No current record."));
}

Statement SelectByNamePrefix(Connection &connection, const char *select, const char *nameField,
                             const QString &prefix, const char *order)
{
    if (prefix.isEmpty())
        return connection.prepare(QByteArray(select) + order);
    Statement s = connection.prepare(QByteArray(select) + " WHERE " + nameField + " " + LookupSql::PrefixLike + order);
    s.bind(1, PrefixLikeText(prefix));
    return s;
}

QList<ListedName> ListedNames(Connection &connection, const char *select, const char *nameField,
                              const QString &prefix, const char *order)
{
    Statement rows = SelectByNamePrefix(connection, select, nameField, prefix, order);
    QList<ListedName> out;
    while (rows.next())
        out.append(ListedName{rows.number(0), rows.text(1)});
    return out;
}
