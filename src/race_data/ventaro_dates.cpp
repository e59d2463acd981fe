#include "race_data/ventaro_dates.h"

#include "common/line_breaks.h"

#include <QRegularExpression>

namespace {

// A two-digit year in the century that puts it nearest the reference: a
// fixed cut at 30 would turn this program's own files of 2030 into 1930 and
// hand them to the old-season question.
int fullYear(int year, int digits, const QDate &reference)
{
    if (digits > 2)
        return year;
    int full = reference.year() / 100 * 100 + year;
    if (full > reference.year() + 50)
        full -= 100;
    else if (full < reference.year() - 50)
        full += 100;
    return full;
}

QString mmddyyyy(const QDate &date)
{
    return date.toString(QStringLiteral("MM-dd-yyyy"));
}

} // namespace

std::optional<QDate> LiberationDateFrom(const QString &answer, const QDate &today)
{
    static const QRegularExpression form(QStringLiteral(R"(^\s*(\d{1,2})[/.-](\d{1,2})(?:[/.-](\d{2}|\d{4}))?\s*$)"));
    const QRegularExpressionMatch m = form.match(answer);
    if (!m.hasMatch())
        return std::nullopt;
    const QString year = m.captured(3);
    const int y = year.isEmpty() ? today.year() : fullYear(year.toInt(), int(year.size()), today);
    const QDate date(y, m.captured(1).toInt(), m.captured(2).toInt());
    if (!date.isValid())
        return std::nullopt;
    return date;
}

bool LiberationDateInRange(const QDate &date, const QDate &today)
{
    const qint64 daysBack = date.daysTo(today);
    return daysBack >= 0 && daysBack <= 366;
}

QString LiberationRangePrompt(const QDate &today)
{
    return QStringLiteral("Liberation Date Must be Between : ") + CRLF + CRLF + mmddyyyy(today.addYears(-1))
         + QStringLiteral("   &   ") + mmddyyyy(today) + CRLF + CRLF + QStringLiteral("Current year by default");
}

int VentaroWeek(const QDate &date)
{
    const int daysBeforeFirstMonday = QDate(date.year(), 1, 1).dayOfWeek() - 1;
    return (date.dayOfYear() - 1 + daysBeforeFirstMonday) / 7 + 1;
}

QString VentaroFileName(const QDate &liberation)
{
    return QStringLiteral("W00000%1.D00").arg(VentaroWeek(liberation), 2, 10, QLatin1Char('0'));
}

QByteArray VentaroDate(const QDate &date)
{
    return date.toString(QStringLiteral("ddMMyy")).toLatin1();
}

std::optional<QDate> DateOfRecordZero(const QByteArray &record, const QDate &reference)
{
    if (record.size() < 7 || !record.startsWith('0'))
        return std::nullopt;
    bool dayOk = false, monthOk = false, yearOk = false;
    const int day = record.mid(1, 2).toInt(&dayOk);
    const int month = record.mid(3, 2).toInt(&monthOk);
    const int year = record.mid(5, 2).toInt(&yearOk);
    const QDate date(fullYear(year, 2, reference), month, day);
    if (!dayOk || !monthOk || !yearOk || !date.isValid())
        return std::nullopt;
    return date;
}
