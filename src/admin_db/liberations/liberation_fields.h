#pragma once

#include "admin_db/records/liberation_race.h"

#include <QString>

// The five fields of the liberation window as typed.
struct RaceFields {
    QString number;
    QString month;
    QString day;
    QString name;
    QString type;
};

enum class RaceField { Number, Month, Day, Name, Type };

QString &fieldText(RaceFields &fields, RaceField field);

// A month or day field as it reads once left: two digits, or "01" when the
// value lies outside 1 to highest.
struct DatePartCheck {
    QString text;
    bool inRange;
};
DatePartCheck CheckDatePart(const QString &typed, int highest);

RaceFields FieldsOf(const LiberationRace &race);
// The race the fields store: the number zero-filled to two digits, the name
// made safe by CleanText.
LiberationRace RaceOf(const RaceFields &fields, qint64 key);
