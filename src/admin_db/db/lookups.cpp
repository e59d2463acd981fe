#include "admin_db/db/lookups.h"

#include "admin_db/db/connection.h"
#include "admin_db/db/jet_error.h"

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

QString PrefixLikeText(const QString &typed)
{
    QString escaped;
    escaped.reserve(typed.size());
    for (QChar c : typed) {
        if (c == QLatin1Char('%') || c == QLatin1Char('_') || c == QLatin1Char('\\'))
            escaped += QLatin1Char('\\');
        escaped += c;
    }
    return escaped;
}
