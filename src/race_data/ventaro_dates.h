#pragma once

#include <QByteArray>
#include <QDate>
#include <QString>
#include <optional>

// The dates of a Ventaro race file.

// What the user typed as the liberation date: month first, day, and an
// optional year of two or four digits ("05/14", "5-14-26", "05/14/2026");
// without a year the year of today, two digits in the century nearest
// today. nullopt for anything else.
std::optional<QDate> LiberationDateFrom(const QString &answer, const QDate &today);

// A liberation date lies from a year before today up to today.
bool LiberationDateInRange(const QDate &date, const QDate &today);
// "Liberation Date Must be Between : " and the two dates as mm-dd-yyyy.
QString LiberationRangePrompt(const QDate &today);

// Week 1 holds 1 January; weeks start on Monday.
int VentaroWeek(const QDate &date);
// "W00000", the week in two digits, ".D00".
QString VentaroFileName(const QDate &liberation);

// DDMMYY, as record "0" holds it.
QByteArray VentaroDate(const QDate &date);
// The date of a record "0", its year in the century nearest reference;
// nullopt when it holds none.
std::optional<QDate> DateOfRecordZero(const QByteArray &record, const QDate &reference);
