#include "admin_db/liberations/liberation_list_line.h"

#include "common/text_helpers.h"
#include "common/latin1.h"

bool IsVentaroRaceNumber(const QString &number)
{
    const double value = LenientNumber(toBytes(number));
    return value >= 1 && value <= 99;
}

QString OrteListLine(const LiberationRace &race)
{
    const char marker = IsVentaroRaceNumber(race.number) ? ' ' : '*';
    return toText(FixWidth(toBytes(race.number), 4, marker, true)) + race.date.left(2) + QLatin1Char('/')
         + race.date.mid(2, 2) + QStringLiteral("  ") + race.name;
}

QString OrteCountLine(qsizetype count)
{
    if (count == 0)
        return QStringLiteral("0 Races Listed");
    return toText(SignedNumberText(count)) + QStringLiteral(" Race(s) Listed");
}
