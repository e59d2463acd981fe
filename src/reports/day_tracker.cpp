#include "reports/day_tracker.h"

#include "common/field.h"
#include "common/text_helpers.h"
#include "reports/clock_date_time.h"

namespace {

QByteArray arrivalDate(const QByteArray &arrival)
{
    return Field(arrival, 22, 2) + '/' + Field(arrival, 24, 2);
}

QByteArray dashedLine(const QByteArray &text)
{
    return FixWidth(text, 80, '-', true);
}

} // namespace

bool HasClocking(const QByteArray &arrival)
{
    return Field(arrival, 16, 10) != "0000000000";
}

DayTracker::DayTracker(const QByteArray &firstArrival, int year)
    : m_referenceDate(arrivalDate(firstArrival)), m_year(year)
{
}

std::optional<QByteArray> DayTracker::lineBefore(const QByteArray &arrival)
{
    if (!HasClocking(arrival))
        return std::nullopt;
    const QByteArray date = arrivalDate(arrival);
    const std::optional<QDate> reference = MonthDayDate(m_referenceDate, m_year);
    const std::optional<QDate> arrived = MonthDayDate(date, m_year);
    if (!reference || !arrived) {
        // Unreadable dates count as the same day; the next readable one
        // starts afresh from this text.
        m_referenceDate = date;
        return std::nullopt;
    }
    const qint64 difference = reference->daysTo(*arrived);
    if (difference > 0) {
        m_dayNumber += int(difference);
        m_referenceDate = date;
        return dashedLine("------Day " + QByteArray::number(m_dayNumber) + " birds");
    }
    if (difference < 0)
        return dashedLine("------Invalid date, or cannot span years.");
    return std::nullopt;
}
