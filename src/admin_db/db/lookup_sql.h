#pragma once

#include <QString>

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
