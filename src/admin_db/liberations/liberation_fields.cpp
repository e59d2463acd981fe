#include "admin_db/liberations/liberation_fields.h"

#include "admin_db/records/clean_text.h"
#include "common/text_helpers.h"
#include "common/latin1.h"

QString &fieldText(RaceFields &fields, RaceField field)
{
    switch (field) {
    case RaceField::Number: return fields.number;
    case RaceField::Month: return fields.month;
    case RaceField::Day: return fields.day;
    case RaceField::Name: return fields.name;
    case RaceField::Type: return fields.type;
    }
    return fields.number;
}

DatePartCheck CheckDatePart(const QString &typed, int highest)
{
    const QByteArray padded = typed.size() < 2 ? FixWidth(toBytes(typed), 2, '0', false) : toBytes(typed);
    const double value = LenientNumber(padded);
    if (value < 1 || value > highest)
        return {QStringLiteral("01"), false};
    return {toText(padded), true};
}

RaceFields FieldsOf(const LiberationRace &race)
{
    return {race.number, race.date.left(2), race.date.mid(2, 2), race.name, race.type};
}

LiberationRace RaceOf(const RaceFields &fields, qint64 key)
{
    QString name = fields.name;
    return {key, toText(FixWidth(toBytes(fields.number), 2, '0', false)), fields.month + fields.day,
            CleanText(name), fields.type};
}
