#pragma once

#include "admin_db/db/statement.h"

#include <QList>
#include <QString>

class Connection;

// SQL pieces for the lookups that must be spelled one way: the band lookups
// exactly as the expression indexes of the schema are written, so that SQLite
// uses them, and the prefix search. Text compares without regard to case.
namespace LookupSql {

// ... WHERE <BandIs>: one parameter, the 14-character band number.
inline constexpr char BandIs[] = "upper(NatOrg||HatchYr||clubletters||bnumber) = upper(?)";
// ... WHERE <ClubBandIs>: one parameter, club letters and band serial joined.
inline constexpr char ClubBandIs[] = "upper(clubletters||bnumber) = upper(?)";
// The display order of a flyer's birds; the birds index serves it.
inline constexpr char BirdOrder[] = "ORDER BY substr(bnumber,3,4)";
// ... WHERE Name <PrefixLike>: one parameter, PrefixLikeText(what the user typed).
inline constexpr char PrefixLike[] = "LIKE ? || '%' ESCAPE '\\'";

} // namespace LookupSql

// The user's text for LookupSql::PrefixLike: its '%', '_' and '\' match only
// themselves.
QString PrefixLikeText(const QString &typed);

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
