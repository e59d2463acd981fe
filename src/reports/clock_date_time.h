#pragma once

#include <QByteArray>
#include <QDate>
#include <QDateTime>
#include <optional>

// Clock times are six two-digit groups, month first: MMDDYYhhmmss. Two-digit
// years 00 to 29 are 2000 to 2029, 30 to 99 are 1930 to 1999.

// The groups joined as MM/DD/YY hh:mm:ss, exactly as they stand.
QByteArray JoinedClockTime(const QByteArray &groups);

// The moment the groups name, in a time without daylight saving, so that
// differences are true seconds; nothing for 13/45 or 99:99:99.
std::optional<QDateTime> ClockDateTime(const QByteArray &groups);

// Month and day written "mm/dd", as a date of the given year.
std::optional<QDate> MonthDayDate(const QByteArray &monthSlashDay, int year);
