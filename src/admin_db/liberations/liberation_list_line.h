#pragma once

#include "admin_db/records/liberation_race.h"

#include <QString>

// Ventaro reads races numbered 1 to 99 only.
bool IsVentaroRaceNumber(const QString &number);

// "07  05/27  Lakeside": the number in four columns filled with blanks, or
// with '*' for a race Ventaro cannot use, the date as month/day, the name.
QString OrteListLine(const LiberationRace &race);

// " 3 Race(s) Listed"; an empty table reads "0 Races Listed".
QString OrteCountLine(qsizetype count);

inline const QString NoRacesLine = QStringLiteral("No Races");
inline const QString NotVentaroWarning = QStringLiteral("** - NOT Ventaro\nCompatible");
