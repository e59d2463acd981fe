#pragma once

#include "admin_db/clubs/club_store.h"

#include <QString>

// "  7 - Northside": the number in three columns, right-aligned; a longer
// number keeps its last three digits.
QString ClubListLine(const Club &club);

// The number field shows at least two digits: "05".
QString ClubNumberText(qint64 key);

// "7 Northside": an item of the flyer window's club box.
QString ClubComboItem(const Club &club);

// " 3 Clubs Listed"; none reads "0 Clubs Listed". The flyer list counts alike.
QString ListedCountLine(qsizetype count, const QString &what);

inline const QString NoClubsLine = QStringLiteral("No clubs to Show");
inline const QString NoClubsComboItem = QStringLiteral("No Clubs Listed");
