#include "reports/clock_date_time.h"

#include <QTimeZone>

namespace {

std::optional<int> twoDigits(const QByteArray &text, int at)
{
    if (text.size() < at + 2)
        return std::nullopt;
    const char high = text.at(at);
    const char low = text.at(at + 1);
    if (high < '0' || high > '9' || low < '0' || low > '9')
        return std::nullopt;
    return (high - '0') * 10 + (low - '0');
}

int fullYear(int twoDigitYear)
{
    return twoDigitYear < 30 ? 2000 + twoDigitYear : 1900 + twoDigitYear;
}

} // namespace

QByteArray JoinedClockTime(const QByteArray &groups)
{
    return groups.mid(0, 2) + '/' + groups.mid(2, 2) + '/' + groups.mid(4, 2) + ' ' + groups.mid(6, 2) + ':'
         + groups.mid(8, 2) + ':' + groups.mid(10, 2);
}

std::optional<QDateTime> ClockDateTime(const QByteArray &groups)
{
    int values[6];
    for (int i = 0; i < 6; ++i) {
        const std::optional<int> v = twoDigits(groups, 2 * i);
        if (!v)
            return std::nullopt;
        values[i] = *v;
    }
    const QDate date(fullYear(values[2]), values[0], values[1]);
    const QTime time(values[3], values[4], values[5]);
    if (!date.isValid() || !time.isValid())
        return std::nullopt;
    return QDateTime(date, time, QTimeZone::utc());
}

std::optional<QDate> MonthDayDate(const QByteArray &monthSlashDay, int year)
{
    const std::optional<int> month = twoDigits(monthSlashDay, 0);
    const std::optional<int> day = twoDigits(monthSlashDay, 3);
    if (!month || !day || monthSlashDay.size() != 5)
        return std::nullopt;
    const QDate date(year, *month, *day);
    if (!date.isValid())
        return std::nullopt;
    return date;
}
