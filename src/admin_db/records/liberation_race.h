#pragma once

#include <QString>

// One liberation point as table orte holds it. Two races may show the same
// number and name, so a race is found by its key (the record's rowid), never
// by its text.
struct LiberationRace {
    qint64 key = 0;
    QString number;   // racenum: two digits
    QString date;     // racedate: month then day, two digits each
    QString name;     // racename
    QString type;     // racetype: one digit
};
